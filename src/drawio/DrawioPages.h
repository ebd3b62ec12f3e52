#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "MxModel.h"

// A draw.io file's pages: <mxfile> with one <diagram> per page, each holding an <mxGraphModel>
// as XML or compressed (deflated, base64, URL-encoded text), or a bare <mxGraphModel>.
namespace drawio {

// The compressed content of a <diagram>: base64, then raw deflate, then URL-encoded text, as
// draw.io writes it. None when any step fails.
std::optional<QByteArray> DecodeCompressed(QByteArrayView text);
// Raw deflate data (no zlib header) inflated; none when it is damaged or ends early.
std::optional<QByteArray> InflateRaw(QByteArrayView data);

struct FirstPage {
  Model model;
  QString name;                  // the page's name; empty for a bare model
  std::vector<QString> skipped;  // the names of the pages after it (empty names as "")
  std::string error;             // why no page could be read; empty when it was
  bool ok() const { return error.empty(); }
};

// The cells of the file's first page.
FirstPage ReadFirstPage(QByteArrayView file);

}  // namespace drawio
