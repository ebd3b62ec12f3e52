#include "ContainerTitle.h"

#include <algorithm>
#include <vector>

#include "ContainerGeometry.h"
#include "Containers.h"
#include "ShapeText.h"

namespace textedit {

namespace {
// A lane of a pool, though no step lies in it yet: rectangles touching it side by side, of its
// length, make a pool with it.
bool InAPool(const semantics::Item& frame, const semantics::ItemQuery& query) {
  std::vector<const semantics::Item*> near;
  const int reach = semantics::kLaneSlack + 1;
  query(frame.box.adjusted(-reach, -reach, reach, reach), near);
  std::vector<semantics::Container> around;
  for (const semantics::Item* r : near)
    if (r->kind == semantics::ItemKind::Rectangle) around.push_back({r, nullptr, nullptr, {}});
  for (const semantics::Pool& pool : semantics::FindPools(around))
    if (std::find(pool.lanes.begin(), pool.lanes.end(), &frame) != pool.lanes.end()) return true;
  return false;
}
}  // namespace

TitlePlace TitlePlaceOfFrame(const semantics::Item& frame, const semantics::ItemQuery& query) {
  return {&frame, semantics::TitleOf(frame, query)};
}

std::optional<TitlePlace> TitlePlaceOf(const semantics::Item& figure, const semantics::ItemQuery& query) {
  const semantics::Item* frame = &figure;
  if (figure.kind == semantics::ItemKind::Label) {
    frame = semantics::ShapeUnder(figure, query);
    if (!frame) return std::nullopt;
  }
  if (frame->kind != semantics::ItemKind::Rectangle) return std::nullopt;
  const TitlePlace place = TitlePlaceOfFrame(*frame, query);
  if (figure.kind == semantics::ItemKind::Label && place.title != &figure) return std::nullopt;
  // A title lies where this editor makes one: a container emptied, or made around nothing, keeps
  // its title at the top-left.
  const bool titleAtInset = place.title && place.title->box.left() == frame->box.left() + containers::kTitleInset;
  if (titleAtInset || semantics::EnclosesAny(*frame, query) || InAPool(*frame, query)) return place;
  return std::nullopt;
}

int TitleRoom(const QRect& frame) { return std::max(1, frame.width() - 2 * containers::kTitleInset); }

QRect TitleEditArea(const QRect& frame, int lineHeight) {
  const QRect line = containers::TitleBox(frame, QSize(TitleRoom(frame), std::max(lineHeight, 1)));
  return line;
}

QRect TitleLabelBox(const QRect& frame, QSize text) {
  // A little room beside the text, as a title made with the container has.
  const QSize box(std::min(text.width() + 4, TitleRoom(frame)), std::max(text.height(), 1));
  return containers::TitleBox(frame, box);
}

}  // namespace textedit
