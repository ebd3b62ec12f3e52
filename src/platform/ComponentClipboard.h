#pragma once
#include <QByteArray>
#include <QImage>
#include <optional>

// The clipboard format that carries one figure record between copy and paste.
namespace componentclipboard {

// The registered format: one MIME type holding exactly one record.
extern const char* const kMimeType;

// Replaces the clipboard's contents with the record, and a picture of the figure alongside it
// for other programs.
void Put(const QByteArray& record, const QImage& picture = QImage());
// The record under our format, if the clipboard holds one.
std::optional<QByteArray> Get();

// The name registered at start-up; it carries no data.
unsigned short RegisterClipboardFormat(const char* name);
extern unsigned short ClipboardFormatKD;

}  // namespace componentclipboard
