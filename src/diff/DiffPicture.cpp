#include "DiffPicture.h"

#include <QHash>
#include <QSet>

#include "ConnectorGeometry.h"

namespace diagramdiff {

namespace {

using figures::Figure;
using figures::FigureKind;

// A copy in one colour: outline and text; a ghost also loses its fill and dots its pen.
Figure Tinted(const Figure& f, TColor colour, bool ghost) {
  Figure out = f;
  out.style.font.color = colour;
  if (f.kind != FigureKind::Label) out.style.lineColor = colour;
  if (ghost) {
    out.style.fillStyle = bsClear;
    if (f.kind != FigureKind::Label) out.style.lineStyle = psDot;
  } else if (f.kind != FigureKind::Label) {
    out.style.lineStyle = psSolid;
    out.style.lineWidth = std::max(f.style.lineWidth, 3);
  }
  return out;
}

// A straight line from a to b in the given pen.
Figure LineBetween(QPoint a, QPoint b, TColor colour) {
  connectors::Figure shape;
  shape.kind = connectors::FigureKind::Line;
  const connectors::Figure laid = connectors::Rebuild(shape, a, b);
  Figure f = figures::NewFigure(FigureKind::Line, laid.box);
  f.direction = laid.direction;
  f.style.lineColor = colour;
  f.style.lineStyle = psDot;
  f.style.lineWidth = 1;
  return f;
}

Figure Outline(const QRect& box, TColor colour) {
  Figure f = figures::NewFigure(FigureKind::Rectangle, box.adjusted(-5, -5, 5, 5));
  f.style.lineColor = colour;
  f.style.lineWidth = 2;
  f.style.fillStyle = bsClear;
  return f;
}

}  // namespace

std::vector<Figure> MarkedFigures(std::span<const Figure> before, std::span<const Figure> after, const Comparison& comparison) {
  QHash<uint64_t, const Figure*> old;
  for (const Figure& f : before) old.insert(f.id, &f);
  std::vector<Figure> below, above;
  QSet<uint64_t> added;
  for (const Difference& d : comparison.differences) {
    switch (d.change) {
      case Change::Removed:
        for (uint64_t id : d.before)
          if (const Figure* f = old.value(id)) below.push_back(Tinted(*f, kRemovedColour, true));
        break;
      case Change::Added:
        for (uint64_t id : d.after) added.insert(id);
        break;
      case Change::Moved:
        if (d.subject == Subject::Connector) {
          // Its old course, faint.
          for (uint64_t id : d.before)
            if (const Figure* f = old.value(id); f && f->kind != FigureKind::Label) below.push_back(Tinted(*f, kTraceColour, true));
          break;
        }
        // The shape's old outline only: its text would repeat the one drawn at the new place.
        if (const Figure* f = d.before.empty() ? nullptr : old.value(d.before.front()))
          below.push_back(Tinted(*f, kTraceColour, true));
        below.push_back(LineBetween(d.beforeBox.center(), d.afterBox.center(), kTraceColour));
        break;
      case Change::Retexted:
      case Change::Restyled: above.push_back(Outline(d.afterBox, kChangedColour)); break;
    }
  }
  std::vector<Figure> out = std::move(below);
  for (const Figure& f : after) out.push_back(added.contains(f.id) ? Tinted(f, kAddedColour, false) : f);
  out.insert(out.end(), above.begin(), above.end());
  for (size_t i = 0; i < out.size(); ++i) out[i].id = i + 1;
  return out;
}

}  // namespace diagramdiff
