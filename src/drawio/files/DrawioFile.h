#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "DrawioWriter.h"
#include "FigureValue.h"

// draw.io files on disk: recognised by name or content, read (the first page), written.
namespace drawiofiles {

// Content that opens as a draw.io file: after a byte-order mark, blanks, an XML declaration and
// comments, an <mxfile> or a bare <mxGraphModel> element.
bool LooksLikeDrawio(QByteArrayView head);
// A name ending in .drawio (any letter case), or a file whose first bytes look like one.
bool IsDrawioFile(const QString& fileName);

struct ReadDiagram {
  std::vector<figures::Figure> figures;  // bottom first, ids 1, 2, ...
  QStringList warnings;                  // what was drawn otherwise or left out, one a line
};

// The figures of the file's first page. Throws EKedrinError naming the file when it cannot be
// opened or holds no readable page ("Cannot import NAME: not a draw.io file: ...").
ReadDiagram ReadDrawioFile(const QString& fileName);

// Writes the figures as an uncompressed draw.io file, whole or not at all (the previous file
// stays when writing fails); throws EKedrinError naming the file.
void WriteDrawioFile(const QString& fileName, std::span<const figures::Figure> figures,
                     const drawio::WriteOptions& options = {});

}  // namespace drawiofiles
