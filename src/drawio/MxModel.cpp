#include "MxModel.h"

#include <QXmlStreamReader>

namespace drawio {

namespace {

double Number(const QXmlStreamAttributes& a, QLatin1StringView name, double fallback = 0) {
  const QStringView v = a.value(name);
  if (v.isEmpty()) return fallback;
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok && d == d ? d : fallback;
}

QPointF PointOf(const QXmlStreamAttributes& a) {
  return QPointF(Number(a, QLatin1StringView("x")), Number(a, QLatin1StringView("y")));
}

// <mxGeometry ...> with its points; the reader stands on its start element.
CellGeometry ReadGeometry(QXmlStreamReader& xml) {
  CellGeometry g;
  const QXmlStreamAttributes a = xml.attributes();
  g.x = Number(a, QLatin1StringView("x"));
  g.y = Number(a, QLatin1StringView("y"));
  g.width = Number(a, QLatin1StringView("width"));
  g.height = Number(a, QLatin1StringView("height"));
  g.relative = a.value(QLatin1StringView("relative")) == QLatin1StringView("1");
  int depth = 1;
  bool inPoints = false;
  while (depth > 0 && !xml.atEnd()) {
    const QXmlStreamReader::TokenType t = xml.readNext();
    if (t == QXmlStreamReader::StartElement) {
      ++depth;
      const QXmlStreamAttributes pa = xml.attributes();
      const QStringView as = pa.value(QLatin1StringView("as"));
      if (xml.name() == QLatin1StringView("Array") && as == QLatin1StringView("points")) {
        inPoints = true;
      } else if (xml.name() == QLatin1StringView("mxPoint")) {
        if (inPoints && depth == 3) g.points.push_back(PointOf(pa));
        else if (as == QLatin1StringView("sourcePoint")) g.sourcePoint = PointOf(pa);
        else if (as == QLatin1StringView("targetPoint")) g.targetPoint = PointOf(pa);
        else if (as == QLatin1StringView("offset")) g.offset = PointOf(pa);
      }
    } else if (t == QXmlStreamReader::EndElement) {
      --depth;
      if (xml.name() == QLatin1StringView("Array")) inPoints = false;
    }
  }
  return g;
}

// <mxCell ...> up to its end; `wrapper` holds the id and label of an enclosing <object>.
Cell ReadCell(QXmlStreamReader& xml, const QXmlStreamAttributes* wrapper) {
  Cell c;
  const QXmlStreamAttributes a = xml.attributes();
  c.id = a.value(QLatin1StringView("id")).toString();
  c.value = a.value(QLatin1StringView("value")).toString();
  if (wrapper) {
    c.id = wrapper->value(QLatin1StringView("id")).toString();
    c.value = wrapper->value(QLatin1StringView("label")).toString();
  }
  c.parent = a.value(QLatin1StringView("parent")).toString();
  c.source = a.value(QLatin1StringView("source")).toString();
  c.target = a.value(QLatin1StringView("target")).toString();
  c.style = ParseStyle(a.value(QLatin1StringView("style")).toString().toStdString());
  c.vertex = a.value(QLatin1StringView("vertex")) == QLatin1StringView("1");
  c.edge = a.value(QLatin1StringView("edge")) == QLatin1StringView("1");
  c.visible = a.value(QLatin1StringView("visible")) != QLatin1StringView("0");
  c.connectable = a.value(QLatin1StringView("connectable")) != QLatin1StringView("0");
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType t = xml.readNext();
    if (t == QXmlStreamReader::StartElement) {
      if (xml.name() == QLatin1StringView("mxGeometry")) c.geometry = ReadGeometry(xml);
      else xml.skipCurrentElement();
    } else if (t == QXmlStreamReader::EndElement) {
      break;
    }
  }
  return c;
}

}  // namespace

Model ReadModel(QXmlStreamReader& xml) {
  Model model;
  int depth = 1;
  std::optional<QXmlStreamAttributes> wrapper;
  int wrapperDepth = 0;
  while (depth > 0 && !xml.atEnd()) {
    const QXmlStreamReader::TokenType t = xml.readNext();
    if (t == QXmlStreamReader::StartElement) {
      const QStringView name = xml.name();
      if (name == QLatin1StringView("mxCell")) {
        model.cells.push_back(ReadCell(xml, wrapper ? &*wrapper : nullptr));
        continue;  // ReadCell consumed the end element
      }
      ++depth;
      if (name == QLatin1StringView("object") || name == QLatin1StringView("UserObject")) {
        wrapper = xml.attributes();
        wrapperDepth = depth;
      }
    } else if (t == QXmlStreamReader::EndElement) {
      if (wrapper && depth == wrapperDepth) wrapper.reset();
      --depth;
    }
  }
  return model;
}

}  // namespace drawio
