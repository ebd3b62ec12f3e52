#include "Errors.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "StreamMessages.h"

namespace errors {

namespace {
Reporter& TheReporter() {
  static Reporter reporter;
  return reporter;
}

// The length of the well-formed UTF-8 sequence at `at` (overlong forms, surrogates and code points
// beyond U+10FFFF are not), 0 when there is none; `code` is its code point.
size_t Utf8Sequence(std::string_view s, size_t at, char32_t& code) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return code = lead, 1;
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || at + length > s.size()) return 0;
  char32_t c = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  code = c;
  return length;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsLayout(char32_t c) { return c == '\t' || c == '\n' || c == '\r'; }

// The one rule for every form: printable runs as they are (quoted when asked), the rest as #n.
void AppendPrintable(std::string& out, std::string_view s, bool quoted, bool keepLayout = false) {
  bool open = false;
  for (size_t at = 0; at < s.size();) {
    char32_t code = 0;
    size_t length = Utf8Sequence(s, at, code);
    const bool printable = length > 0 && (!IsControl(code) || (keepLayout && IsLayout(code)));
    if (!printable) {
      if (length == 0) code = static_cast<unsigned char>(s[at]), length = 1;
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(static_cast<uint32_t>(code));
    } else {
      if (quoted && !open) out += '\'';
      open = quoted;
      if (quoted && s[at] == '\'') out += '\'';
      out.append(s.substr(at, length));
    }
    at += length;
  }
  if (open) out += '\'';
}
}  // namespace

std::string Printable(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AppendPrintable(out, utf8, false);
  return out;
}

QString Printable(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return QString::fromStdString(Printable(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

std::string PrintableLines(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AppendPrintable(out, utf8, false, true);
  return out;
}

QString PrintableLines(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return QString::fromStdString(PrintableLines(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

std::string Quoted(std::string_view utf8) {
  std::string out;
  AppendPrintable(out, utf8, true);
  return out.empty() ? "''" : out;
}

void SetReporter(Reporter reporter) { TheReporter() = std::move(reporter); }

void ShowError(QWidget* parent, const QString& message) {
  const QString shown = PrintableLines(message);
  if (TheReporter()) {
    TheReporter()(shown);
    return;
  }
  QMessageBox::critical(parent, QCoreApplication::translate("Errors", "Error"), shown);
}

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    ShowError(parent, QCoreApplication::translate("Errors", "Out of memory"));
  } catch (const std::exception& e) {
    // Escaped before decoding, so that a byte that is not UTF-8 shows as its code; the reader's
    // reasons in the user's language.
    ShowError(parent, messages::StreamMessageText(PrintableLines(std::string_view(e.what()))));
  }
  return false;
}

}  // namespace errors
