#pragma once
#include <QByteArray>
#include <QImage>
#include <functional>
#include <optional>

// The clipboard format that carries one figure record between copy and paste.
//
// Pasting many figures puts each record on the clipboard and reads it straight back. Handing
// every one of them to the system clipboard would cost a round trip to the display server per
// figure, so the latest record is kept here and published once, when the current command ends
// (or on Flush); what other programs see is always the last record, as it would be.
namespace componentclipboard {

// The registered format: one MIME type holding exactly one record.
extern const char* const kMimeType;

// Replaces the clipboard's contents with the record; picture, when given, renders a picture of
// the figure that goes alongside it for other programs.
void Put(const QByteArray& record, std::function<QImage()> picture = {});
// The record under our format, if the clipboard holds one.
std::optional<QByteArray> Get();
// Publishes a pending record to the system clipboard now.
void Flush();
// Forgets a pending record without publishing it: the system clipboard keeps what it holds.
void Discard();

// The name registered at start-up; it carries no data.
unsigned short RegisterClipboardFormat(const char* name);
extern unsigned short ClipboardFormatKD;

}  // namespace componentclipboard
