#include "DocumentFigures.h"

#include <QSet>
#include <algorithm>
#include <unordered_set>

#include "BulkAdoption.h"
#include "ByteStream.h"
#include "Focus.h"
#include "KDTools.h"
#include "Reader.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "Writer.h"

DocumentFigures::DocumentFigures(TwinKedrinFile& document) : document_(document) {}

uint64_t DocumentFigures::IdOf(TCustomKDTool* figure) {
  if (figure->FigureId == 0) figure->FigureId = nextId_++;
  // A figure brought back under its old identity replaces the one that was gone.
  QPointer<TCustomKDTool>& slot = figures_[figure->FigureId];
  if (slot != figure) slot = figure;
  return figure->FigureId;
}

TCustomKDTool* DocumentFigures::Find(uint64_t id) const {
  auto it = figures_.constFind(id);
  if (it == figures_.constEnd()) return nullptr;
  TCustomKDTool* f = it->data();
  if (!f || f->Releasing() || f->parentWidget() != document_.Surface()) return nullptr;
  return f;
}

std::vector<uint64_t> DocumentFigures::IdsOf(const std::vector<TCustomKDTool*>& figures) {
  std::vector<uint64_t> ids;
  ids.reserve(figures.size());
  for (TCustomKDTool* f : figures) ids.push_back(IdOf(f));
  return ids;
}

std::vector<TCustomKDTool*> DocumentFigures::Find(const std::vector<uint64_t>& ids) const {
  std::vector<TCustomKDTool*> figures;
  figures.reserve(ids.size());
  for (uint64_t id : ids)
    if (TCustomKDTool* f = Find(id)) figures.push_back(f);
  return figures;
}

std::vector<uint8_t> DocumentFigures::RecordOf(const TCustomKDTool& figure) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteShape(figure);
    writer.FlushBuffer();
  }
  return stream.TakeData();
}

void DocumentFigures::Adopt(TCustomKDTool* figure) {
  figure->SetHaveFocused(false);
  figure->SetParentControl(document_.Surface());  // the new topmost figure; the surface owns it
  document_.WireFigure(figure);
  figure->Redraw();
  IdOf(figure);
}

std::vector<DocumentFigures::Placed> DocumentFigures::Snapshot(const std::vector<TCustomKDTool*>& figures) {
  std::unordered_set<const TCustomKDTool*> wanted(figures.begin(), figures.end());
  std::vector<Placed> placed;
  placed.reserve(figures.size());
  const std::vector<TCustomKDTool*> order = document_.Figures();
  for (size_t i = 0; i < order.size(); ++i)
    if (wanted.count(order[i])) placed.push_back({IdOf(order[i]), static_cast<int>(i), RecordOf(*order[i])});
  return placed;
}

std::vector<TCustomKDTool*> DocumentFigures::Recreate(const std::vector<Placed>& figures) {
  RegisterFigureClasses();
  std::vector<TCustomKDTool*> made;
  std::vector<Move> moves;
  made.reserve(figures.size());
  {
    BulkAdoption bulk(document_.Surface(), true);
    for (const Placed& p : figures) {
      MemoryStream stream(p.record);
      std::unique_ptr<Persistent> object;
      {
        TReader reader(stream);
        object = reader.ReadShape();
      }
      auto* figure = dynamic_cast<TCustomKDTool*>(object.get());
      if (!figure) continue;
      object.release();
      figure->FigureId = p.id;
      Adopt(figure);
      made.push_back(figure);
      moves.push_back({p.id, p.index});
    }
  }
  Restack(std::move(moves));
  return made;
}

void DocumentFigures::Remove(const std::vector<uint64_t>& ids) {
  std::vector<TCustomKDTool*> figures = Find(ids);
  if (figures.empty()) return;
  // A figure leaving must not leave its frame behind.
  for (TCustomKDTool* f : figures) {
    if (f->HaveFocused()) {
      focus::SetFocus(document_.Surface());
      break;
    }
  }
  BulkAdoption bulk(document_.Surface(), true);
  for (TCustomKDTool* f : figures) {
    f->ClearEvents();
    f->Release();
  }
}

void DocumentFigures::Restack(std::vector<Move> moves) {
  if (moves.empty()) return;
  std::vector<TCustomKDTool*> current = document_.Figures();
  std::unordered_set<const TCustomKDTool*> moving;
  std::vector<std::pair<int, TCustomKDTool*>> placed;
  for (const Move& m : moves) {
    if (TCustomKDTool* f = Find(m.id)) {
      moving.insert(f);
      placed.emplace_back(m.index, f);
    }
  }
  std::stable_sort(placed.begin(), placed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TCustomKDTool*> order;
  order.reserve(current.size());
  for (TCustomKDTool* f : current)
    if (!moving.count(f)) order.push_back(f);
  for (const auto& [index, f] : placed)
    order.insert(order.begin() + std::clamp<ptrdiff_t>(index, 0, static_cast<ptrdiff_t>(order.size())), f);
  if (order == current) return;
  // From the top down, each moved figure goes right under the one that ends up above it; the
  // figures that stay keep their order among themselves.
  for (size_t i = order.size(); i-- > 0;) {
    if (!moving.count(order[i])) continue;
    if (i + 1 == order.size()) order[i]->raise();
    else order[i]->stackUnder(order[i + 1]);
  }
}

std::vector<TCustomKDTool*> DocumentFigures::Selected() const {
  std::vector<TCustomKDTool*> selected;
  for (TCustomKDTool* f : document_.Figures())
    if (f->HaveFocused()) selected.push_back(f);
  return selected;
}

void DocumentFigures::Select(const std::vector<TCustomKDTool*>& figures) {
  QWidget* surface = document_.Surface();
  // The selection in place, if it is exactly these figures, only needs its frames laid again.
  TSizerList* group = nullptr;
  TSizer* single = nullptr;
  for (QObject* o : surface->children()) {
    if (auto* g = qobject_cast<TSizerList*>(o); g && !g->Releasing()) group = g;
    else if (auto* s = qobject_cast<TSizer*>(o); s && !s->Releasing() && s->SelectStatus() == ssSingleSelect)
      single = s;
  }
  if (group && figures.size() > 1) {
    std::vector<TCustomKDTool*> targets = group->EditTargets();
    if (QSet<TCustomKDTool*>(targets.begin(), targets.end()) ==
        QSet<TCustomKDTool*>(figures.begin(), figures.end())) {
      group->FitToTargets();
      return;
    }
  }
  if (single && !group && figures.size() == 1 && single->Target() == figures.front()) {
    single->FitToTarget();
    document_.ShowSelectedStyle(figures.front());
    return;
  }
  focus::SetFocus(surface);
  if (figures.empty()) return;
  if (figures.size() == 1) {
    TCustomKDTool* f = figures.front();
    new TSizer(&document_, f, f->DefaultWidth(), f->DefaultHeight());
    SendMessage(f, WM_SELECOMP);
    return;
  }
  document_.SelectGroup(figures);
}
