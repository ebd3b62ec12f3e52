#include "DiagramFile.h"

#include <QFile>
#include <QSaveFile>

#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "Errors.h"
#include "ReadAheadStream.h"
#include "Reader.h"
#include "Writer.h"

namespace diagramfile {

void Write(const QString& fileName, std::span<const Persistent* const> records) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw EKedrinError(QStringLiteral("Cannot create file %1").arg(fileName));
  DeviceStream stream(file);
  {
    TWriter writer(stream);
    for (const Persistent* record : records) writer.WriteShape(*record);
    writer.FlushBuffer();
  }
  // Until the commit the old file is untouched; an exception above discards the new one.
  if (!file.commit()) throw EKedrinError(QStringLiteral("Cannot create file %1").arg(fileName));
}

int ReadRecords(ByteStream& stream, const FigureSink& onFigure, const RecordDone& afterRecord) {
  RegisterFigureClasses();
  int count = 0;
  while (stream.Position() < stream.Size()) {
    std::unique_ptr<Persistent> object;
    try {
      TReader reader(stream, 4096);
      object = reader.ReadShape();
    } catch (...) {
      // The reader has been released, leaving the position after what it consumed.
      if (afterRecord) afterRecord(stream.Position(), stream.Size());
      throw;
    }
    if (auto* figure = dynamic_cast<TCustomKDTool*>(object.get())) {
      object.release();
      ++count;
      onFigure(std::unique_ptr<TCustomKDTool>(figure));
    }
    if (afterRecord) afterRecord(stream.Position(), stream.Size());
  }
  return count;
}

int Read(const QString& fileName, const FigureSink& onFigure, const RecordDone& afterRecord) {
  // Unbuffered: the read-ahead window is the only buffer. Each record's reader reads ahead and
  // seeks back, which on the file itself costs two system calls per record.
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    throw EKedrinError(QStringLiteral("Cannot open file %1").arg(fileName));
  DeviceStream device(file);
  ReadAheadStream stream(device);
  return ReadRecords(stream, onFigure, afterRecord);
}

}  // namespace diagramfile
