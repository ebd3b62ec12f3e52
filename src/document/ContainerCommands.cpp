#include "ContainerCommands.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QUndoStack>
#include <algorithm>

#include "ContainerEditing.h"
#include "ContainerGeometry.h"
#include "ContainerScan.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "FigureStyle.h"
#include "GridOptions.h"
#include "Focus.h"
#include "KDTools.h"
#include "LaneGeometry.h"
#include "SelectionUnits.h"
#include "TextEditSession.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"

namespace containercommands {

namespace {


// The canvas point in the middle of what the document shows.
QPoint ViewCentre(TwinKedrinFile& d) {
  QWidget* view = d.scbKedrin->viewport();
  const QPoint widget = d.Surface()->mapFrom(view, view->rect().center());
  return zoommap::ToCanvas(QPointF(widget), d.Surface()->Zoom());
}

// Where an empty container goes: the free place nearest the middle of the view, on the grid, so
// that nothing already drawn becomes its member.
QRect EmptyPlace(TwinKedrinFile& d) {
  const ContainerScan scan(d.FigureSet());
  return containers::EmptyNear(ViewCentre(d), scan.Items(), GridOptions::Instance().GridSize());
}

// A label wide enough for its text in the default font.
QSize TitleSize(const QString& text) { return {std::max(40, 10 + 7 * static_cast<int>(text.size())), 20}; }

TCustomKDTool* NewRectangle(TwinKedrinFile& d, const QRect& box) {
  auto* rect = new TKDRectangle(&d);
  rect->ApplyBounds(box.x(), box.y(), box.width(), box.height());
  rect->SetParentControl(d.Surface());
  d.GiveDrawingStyle(rect);
  d.WireFigure(rect);
  return rect;
}

TCustomKDTool* NewTitle(TwinKedrinFile& d, const QRect& frame, const QString& text) {
  auto* label = new TKDLabel(&d);
  const QRect box = containers::TitleBox(frame, TitleSize(text));
  label->ApplyBounds(box.x(), box.y(), box.width(), box.height());
  label->SetParentControl(d.Surface());
  d.GiveDrawingStyle(label);
  label->SetCaption(text.toStdString());
  d.WireFigure(label);
  return label;
}

void Paint(const std::vector<TCustomKDTool*>& figures) {
  for (TCustomKDTool* f : figures) f->Invalidate();
}

struct LaneOfSelection {
  std::vector<TCustomKDTool*> lanes;
  std::vector<QRect> boxes;
  bool rows = true;
  size_t index = 0;
};

// The pool and lane the selection is, or lies in.
std::optional<LaneOfSelection> FindLane(TwinKedrinFile& d) {
  const std::vector<TCustomKDTool*> selected = d.SelectedFigures();
  if (selected.empty()) return std::nullopt;
  ContainerScan scan(d.FigureSet());
  const std::vector<semantics::Container>& all = scan.Containers();
  const semantics::Item* at = scan.Find(selected.front()->FigureId);
  for (int depth = 0; at && depth < 64; ++depth) {
    size_t index = 0;
    if (const semantics::Pool* pool = scan.PoolOf(at->id, index)) {
      LaneOfSelection out;
      for (const semantics::Item* lane : pool->lanes) {
        out.lanes.push_back(d.FigureSet().Find(lane->id));
        out.boxes.push_back(lane->box);
      }
      out.rows = pool->rows;
      out.index = index;
      return out;
    }
    at = semantics::ContainerOf(*at, all);
  }
  return std::nullopt;
}

}  // namespace

TCustomKDTool* InsertContainer(TwinKedrinFile& d) {
  if (d.DragInProgress()) return nullptr;
  d.History().End();
  Diagram& set = d.FigureSet();
  std::vector<TCustomKDTool*> units = d.SelectedFigures();
  if (selectionunits::On() && !units.empty()) units = selectionunits::Carried(set, selectionunits::Heads(set, units));
  QRect around;
  TCustomKDTool* lowest = nullptr;
  for (TCustomKDTool* f : units) {
    around |= f->BoundsRect();
    if (!lowest || set.StackIndexOf(f) < set.StackIndexOf(lowest)) lowest = f;
  }
  const QRect box = units.empty() ? EmptyPlace(d) : containers::Around(around);
  focus::SetFocus(d.Surface());
  TCustomKDTool* rect = NewRectangle(d, box);
  if (lowest) rect->stackUnder(lowest);
  Paint({rect});
  d.Surface()->EnsureContains(box);
  d.History().RecordAdded({rect}, QCoreApplication::translate("ContainerCommands", "Insert Container"));
  set.Select({rect});
  // The title is typed in its place at once; Escape leaves the container untitled.
  d.TextEditing().OpenTitle(rect);
  return rect;
}

std::vector<TCustomKDTool*> InsertPool(TwinKedrinFile& d, int count, bool rows) {
  if (d.DragInProgress()) return {};
  d.History().End();
  focus::SetFocus(d.Surface());
  const std::vector<QRect> boxes = containers::NewPool(ViewCentre(d), count, rows);
  std::vector<TCustomKDTool*> lanes, titles;
  for (size_t i = 0; i < boxes.size(); ++i) {
    lanes.push_back(NewRectangle(d, boxes[i]));
    titles.push_back(NewTitle(d, boxes[i], QCoreApplication::translate("ContainerCommands", "Lane %1").arg(i + 1)));
  }
  // Lanes at the bottom, their titles above them: whatever lies in the pool shows and belongs.
  for (auto it = titles.rbegin(); it != titles.rend(); ++it) (*it)->lower();
  for (auto it = lanes.rbegin(); it != lanes.rend(); ++it) (*it)->lower();
  std::vector<TCustomKDTool*> all = lanes;
  all.insert(all.end(), titles.begin(), titles.end());
  Paint(all);
  QRect pool;
  for (const QRect& b : boxes) pool |= b;
  d.Surface()->EnsureContains(pool);
  d.History().RecordAdded(all, QCoreApplication::translate("ContainerCommands", "Insert Swimlanes"));
  return lanes;
}

TCustomKDTool* SelectedContainer(TwinKedrinFile& d) {
  const std::vector<TCustomKDTool*> selected = d.SelectedFigures();
  if (selected.empty()) return nullptr;
  if (selected.size() == 1 && qobject_cast<TKDRectangle*>(selected.front())) return selected.front();
  ContainerScan scan(d.FigureSet());
  const semantics::Item* item = scan.Find(selected.front()->FigureId);
  const semantics::Item* frame = item ? semantics::ContainerOf(*item, scan.Containers()) : nullptr;
  return frame ? d.FigureSet().Find(frame->id) : nullptr;
}

bool RemoveContainer(TwinKedrinFile& d) {
  TCustomKDTool* rect = SelectedContainer(d);
  if (!rect || d.DragInProgress()) return false;
  d.History().End();
  std::vector<TCustomKDTool*> gone{rect};
  {
    ContainerScan scan(d.FigureSet());
    if (const semantics::Item* frame = scan.Find(rect->FigureId))
      if (const semantics::Item* title = scan.TitleOf(*frame)) gone.push_back(d.FigureSet().Find(title->id));
  }
  focus::SetFocus(d.Surface());
  ContainerEditing::Plain plain(ContainerEditing::Of(d));
  QUndoStack& stack = d.History().Stack();
  stack.beginMacro(QCoreApplication::translate("ContainerCommands", "Remove Container"));
  d.BeginEdit(TEditKind::Delete, gone);
  for (TCustomKDTool* f : gone) SendMessage(f, WM_DELETECOMP);
  d.EditEnded();
  stack.endMacro();
  return true;
}

bool InLane(TwinKedrinFile& d, bool* rows) {
  const std::optional<LaneOfSelection> lane = FindLane(d);
  if (lane && rows) *rows = lane->rows;
  return lane.has_value();
}

bool EditLanes(TwinKedrinFile& d, LaneEdit edit) {
  if (d.DragInProgress()) return false;
  std::optional<LaneOfSelection> lane = FindLane(d);
  if (!lane) return false;
  d.History().End();
  ContainerEditing& editing = ContainerEditing::Of(d);
  QUndoStack& stack = d.History().Stack();
  const size_t i = lane->index, n = lane->lanes.size();
  switch (edit) {
    case LaneEdit::Add: {
      const QRect box = containers::WithLaneAdded(lane->boxes, lane->rows).back();
      focus::SetFocus(d.Surface());
      TCustomKDTool* rect = NewRectangle(d, box);
      TFigureStyle style = TFigureStyle::Of(*lane->lanes.back());
      style.caption = rect->Caption();
      style.ApplyTo(*rect);
      TCustomKDTool* title = NewTitle(d, box, QCoreApplication::translate("ContainerCommands", "Lane %1").arg(n + 1));
      TCustomKDTool* first = lane->lanes.front();
      rect->stackUnder(first);
      title->stackUnder(first);
      Paint({rect, title});
      d.Surface()->EnsureContains(box);
      d.History().RecordAdded({rect, title}, QCoreApplication::translate("ContainerCommands", "Add Lane"));
      d.FigureSet().Select({rect});
      return true;
    }
    case LaneEdit::Remove: {
      focus::SetFocus(d.Surface());
      stack.beginMacro(QCoreApplication::translate("ContainerCommands", "Remove Lane"));
      TCustomKDTool* gone = lane->lanes[i];
      d.BeginEdit(TEditKind::Delete, {gone});
      SendMessage(gone, WM_DELETECOMP);
      d.EditEnded();
      std::vector<TCustomKDTool*> rest = lane->lanes;
      rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
      editing.LayLanes(rest, containers::WithLaneRemoved(lane->boxes, i, lane->rows), lane->rows, QCoreApplication::translate("ContainerCommands", "Remove Lane"));
      stack.endMacro();
      return true;
    }
    case LaneEdit::Earlier:
    case LaneEdit::Later: {
      const bool earlier = edit == LaneEdit::Earlier;
      if ((earlier && i == 0) || (!earlier && i + 1 >= n)) return false;
      const std::vector<TCustomKDTool*> selected = d.SelectedFigures();
      editing.LayLanes(lane->lanes, containers::Reordered(lane->boxes, i, earlier ? i - 1 : i + 1, lane->rows),
                       lane->rows, earlier ? (lane->rows ? QCoreApplication::translate("ContainerCommands", "Move Lane Up") : QCoreApplication::translate("ContainerCommands", "Move Lane Left"))
                                           : (lane->rows ? QCoreApplication::translate("ContainerCommands", "Move Lane Down") : QCoreApplication::translate("ContainerCommands", "Move Lane Right")));
      d.PresentSelection(selected);
      return true;
    }
  }
  return false;
}

}  // namespace containercommands
