#include "GridDiagram.h"

#include <cmath>

std::vector<std::unique_ptr<TCustomKDTool>> MakeGridDiagram(int n) {
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n)))));
  for (int i = 0; i < n; ++i) {
    const int x = 150 * (i % columns) + 25, y = 80 * (i / columns) + 15;
    std::unique_ptr<TCustomKDTool> f;
    switch (i % 9) {
      case 0: f = std::make_unique<TKDBegin>(); break;
      case 1: f = std::make_unique<TKDEnd>(); break;
      case 2: f = std::make_unique<TKDProcess>(); break;
      case 3: f = std::make_unique<TKDEllipse>(); break;
      case 4: f = std::make_unique<TKDRectangle>(); break;
      case 5: {
        auto arrow = std::make_unique<TKDArrow>();
        arrow->SetArrowDirection(adTopToTop);  // across the middle, head on the right
        f = std::move(arrow);
        break;
      }
      case 6: f = std::make_unique<TKDLabel>(); break;
      case 7: f = std::make_unique<TKDDiamond>(); break;
      default: f = std::make_unique<TKDLine>(); break;  // falling by its height: 2 pixels
    }
    f->SetFillColor(clWhite);
    f->SetLineColor(clBlack);
    TFontDesc font;
    font.name = "DejaVu Sans";
    font.height = -12;
    font.color = clBlack;
    f->SetFont(font);
    if (i % 9 == 5) {
      f->ApplyBounds(x, y + 15, 200, 20);
    } else if (i % 9 == 8) {
      f->ApplyBounds(x, y + 24, 200, 2);
    } else {
      f->ApplyBounds(x, y, 100, 50);
      f->SetCaption("Step " + std::to_string(i));
    }
    figures.push_back(std::move(f));
  }
  return figures;
}

std::vector<const TCustomKDTool*> RawFigures(const std::vector<std::unique_ptr<TCustomKDTool>>& figures) {
  std::vector<const TCustomKDTool*> raw;
  raw.reserve(figures.size());
  for (const auto& f : figures) raw.push_back(f.get());
  return raw;
}

namespace {

QString Cm(double pixels) { return QString::number(pixels / 20.0, 'f', 2); }
QString Point(double x, double y) { return Cm(x) + "," + Cm(y); }

QString Attribute(const QString& name, const QString& body) {
  return QStringLiteral("<dia:attribute name=\"%1\">%2</dia:attribute>").arg(name, body);
}
QString Real(double v) { return QStringLiteral("<dia:real val=\"%1\"/>").arg(v); }

QString Text(const QString& text, double cx, double y) {
  return Attribute("text", "<dia:composite type=\"text\">" +
                               Attribute("string", "<dia:string>#" + text + "#</dia:string>") +
                               Attribute("font", "<dia:font family=\"sans\" style=\"0\" name=\"Helvetica\"/>") +
                               Attribute("height", Real(0.6)) + Attribute("pos", "<dia:point val=\"" + Point(cx, y) + "\"/>") +
                               Attribute("color", "<dia:color val=\"#000000\"/>") +
                               Attribute("alignment", "<dia:enum val=\"1\"/>") + "</dia:composite>");
}

}  // namespace

QByteArray GridAsDia(const std::vector<std::unique_ptr<TCustomKDTool>>& figures) {
  QString xml = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<dia:diagram xmlns:dia=\"http://www.lysator.liu.se/~alla/dia/\">\n"
      "<dia:layer name=\"Background\" visible=\"true\" active=\"true\">\n");
  int id = 0;
  for (const auto& f : figures) {
    const double x = f->Left(), y = f->Top(), w = f->Width(), h = f->Height();
    const QString cls = f->ClassName();
    const QString caption = QString::fromStdString(f->Caption());
    QString type;
    if (cls == "TKDArrow" || cls == "TKDLine") {
      QString body = Attribute("conn_endpoints", "<dia:point val=\"" + Point(x, y + h / 2) + "\"/><dia:point val=\"" +
                                                     Point(x + w, y + h / 2) + "\"/>");
      if (cls == "TKDArrow")
        body += Attribute("end_arrow", "<dia:enum val=\"3\"/>") + Attribute("end_arrow_length", Real(0.5)) +
                Attribute("end_arrow_width", Real(0.5)) + Attribute("line_width", Real(0.1));
      xml += QStringLiteral("<dia:object type=\"Standard - Line\" version=\"0\" id=\"O%1\">%2</dia:object>\n").arg(id++).arg(body);
      continue;
    }
    if (cls == "TKDLabel") {
      xml += QStringLiteral("<dia:object type=\"Standard - Text\" version=\"1\" id=\"O%1\">%2%3</dia:object>\n")
                 .arg(id++)
                 .arg(Attribute("obj_pos", "<dia:point val=\"" + Point(x + w / 2, y + 12) + "\"/>"))
                 .arg(Text(caption, x + w / 2, y + 12));
      continue;
    }
    if (cls == "TKDDiamond") type = "Flowchart - Diamond";
    else if (cls == "TKDEllipse" || cls == "TKDBegin" || cls == "TKDEnd") type = "Flowchart - Ellipse";
    else type = "Flowchart - Box";
    const QString body = Attribute("elem_corner", "<dia:point val=\"" + Point(x, y) + "\"/>") +
                         Attribute("elem_width", Real(w / 20.0)) + Attribute("elem_height", Real(h / 20.0)) +
                         Attribute("border_width", Real(0.05)) + Attribute("show_background", "<dia:boolean val=\"true\"/>") +
                         Text(QString(), x + w / 2, y + h / 2 + 4);  // only labels show their caption
    xml += QStringLiteral("<dia:object type=\"%1\" version=\"0\" id=\"O%2\">%3</dia:object>\n").arg(type).arg(id++).arg(body);
  }
  xml += "</dia:layer>\n</dia:diagram>\n";
  return xml.toUtf8();
}
