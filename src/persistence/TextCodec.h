#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Conversions between the text forms of records. Texts are UTF-8 inside the program.
namespace textcodec {

bool IsAscii(std::string_view s);
// Number of UTF-16 code units the UTF-8 text needs.
size_t Utf16Length(std::string_view utf8);
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
// Bytes of a single-byte string tag from another writer: UTF-8 when they form valid UTF-8,
// otherwise Windows-1252.
std::string AnsiToUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view s);

}  // namespace textcodec
