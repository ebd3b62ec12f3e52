#include "DrawioPages.h"

#include <QCoreApplication>
#include <QUrl>
#include <QXmlStreamReader>
#include <zlib.h>

namespace drawio {

namespace {

// In the user's language where a translation is loaded (the editor), else in English (kdltool).
std::string Tr(const char* text) { return QCoreApplication::translate("drawio", text).toStdString(); }

// What a reader's failure says, with its place.
std::string XmlError(const QXmlStreamReader& xml) {
  return QCoreApplication::translate("drawio", "XML error at line %1, column %2: %3")
      .arg(xml.lineNumber())
      .arg(xml.columnNumber())
      .arg(xml.errorString())
      .toStdString();
}

// Reads the model that a decoded page holds.
std::optional<Model> ModelOfText(const QByteArray& text, std::string& error) {
  QXmlStreamReader xml(text);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      if (xml.name() != QLatin1StringView("mxGraphModel")) break;
      Model m = ReadModel(xml);
      if (xml.hasError()) {
        error = Tr(QT_TRANSLATE_NOOP("drawio", "compressed page: ")) + XmlError(xml);
        return std::nullopt;
      }
      return m;
    }
  }
  error = xml.hasError() ? Tr(QT_TRANSLATE_NOOP("drawio", "compressed page: ")) + XmlError(xml)
                         : Tr(QT_TRANSLATE_NOOP("drawio", "compressed page holds no <mxGraphModel>"));
  return std::nullopt;
}

// The rest of a <diagram> element: its model, inline or compressed.
std::optional<Model> ReadDiagram(QXmlStreamReader& xml, std::string& error) {
  QByteArray text;
  std::optional<Model> model;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType t = xml.readNext();
    if (t == QXmlStreamReader::StartElement) {
      if (xml.name() == QLatin1StringView("mxGraphModel") && !model) model = ReadModel(xml);
      else xml.skipCurrentElement();
    } else if (t == QXmlStreamReader::Characters) {
      text += xml.text().toUtf8();
    } else if (t == QXmlStreamReader::EndElement) {
      break;
    }
  }
  if (xml.hasError()) return std::nullopt;
  if (model) return model;
  const QByteArray trimmed = text.trimmed();
  if (trimmed.isEmpty()) return Model{};  // an empty page
  const std::optional<QByteArray> decoded = DecodeCompressed(trimmed);
  if (!decoded) {
    error = Tr(QT_TRANSLATE_NOOP("drawio", "the first page's compressed content cannot be decoded (base64, deflate, URL encoding)"));
    return std::nullopt;
  }
  return ModelOfText(*decoded, error);
}

}  // namespace

std::optional<QByteArray> InflateRaw(QByteArrayView data) {
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
  QByteArray out;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  // A page of a few megabytes is large; a bomb of gigabytes is refused rather than held.
  constexpr qsizetype kMaxInflated = qsizetype{1} << 28;
  char buffer[16384];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    rc = inflate(&z, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;
    out.append(buffer, static_cast<qsizetype>(sizeof buffer - z.avail_out));
    if (out.size() > kMaxInflated) {
      rc = Z_MEM_ERROR;
      break;
    }
    // Input used up without the stream's end: the data ends early.
    if (rc == Z_OK && z.avail_in == 0 && z.avail_out != 0) {
      rc = Z_DATA_ERROR;
      break;
    }
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) return std::nullopt;
  return out;
}

std::optional<QByteArray> DecodeCompressed(QByteArrayView text) {
  QByteArray compact = text.toByteArray();
  compact.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
  const QByteArray::FromBase64Result base64 =
      QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
  if (!base64 || base64.decoded.isEmpty()) return std::nullopt;
  const std::optional<QByteArray> inflated = InflateRaw(*base64);
  if (!inflated) return std::nullopt;
  return QByteArray::fromPercentEncoding(*inflated);
}

FirstPage ReadFirstPage(QByteArrayView file) {
  FirstPage page;
  if (file.toByteArray().trimmed().isEmpty()) {
    page.error = Tr(QT_TRANSLATE_NOOP("drawio", "the file is empty"));
    return page;
  }
  QXmlStreamReader xml(file.toByteArray());
  bool read = false, sawRoot = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (!sawRoot) {
      sawRoot = true;
      if (name == QLatin1StringView("mxGraphModel")) {
        page.model = ReadModel(xml);
        read = true;
        break;
      }
      if (name != QLatin1StringView("mxfile")) {
        page.error = QCoreApplication::translate("drawio", "not a draw.io file: it starts with <%1>, not <mxfile>")
                         .arg(name.toString())
                         .toStdString();
        return page;
      }
      continue;
    }
    if (name != QLatin1StringView("diagram")) {
      xml.skipCurrentElement();
      continue;
    }
    const QString pageName = xml.attributes().value(QLatin1StringView("name")).toString();
    if (read) {
      page.skipped.push_back(pageName);
      xml.skipCurrentElement();
      continue;
    }
    page.name = pageName;
    std::optional<Model> m = ReadDiagram(xml, page.error);
    if (!m) {
      if (page.error.empty()) page.error = XmlError(xml);
      return page;
    }
    page.model = std::move(*m);
    read = true;
  }
  if (xml.hasError()) {
    page.error = XmlError(xml);
    return page;
  }
  if (!read)
    page.error = sawRoot ? Tr(QT_TRANSLATE_NOOP("drawio", "the draw.io file has no page (<diagram>)"))
                         : Tr(QT_TRANSLATE_NOOP("drawio", "not a draw.io file: no XML element"));
  return page;
}

}  // namespace drawio
