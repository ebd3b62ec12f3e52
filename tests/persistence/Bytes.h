#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "Writer.h"

// Bytes from hexadecimal text with blanks, and back.
inline std::vector<uint8_t> Hex(const std::string& text) {
  std::vector<uint8_t> out;
  int high = -1;
  for (char c : text) {
    int v = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10
          : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    if (v < 0) continue;
    if (high < 0) high = v;
    else { out.push_back(static_cast<uint8_t>(high * 16 + v)); high = -1; }
  }
  return out;
}

inline std::string ToHex(const std::vector<uint8_t>& bytes) {
  static const char* d = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) s += ' ';
    s += d[bytes[i] >> 4];
    s += d[bytes[i] & 15];
  }
  return s;
}

// The bytes one writer call produces.
template <typename F>
std::vector<uint8_t> Written(F&& write) {
  MemoryStream stream;
  {
    TWriter writer(stream);
    write(writer);
  }
  return stream.Data();
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// A short string's bytes.
inline std::vector<uint8_t> Short(const std::string& s) {
  std::vector<uint8_t> out;
  out.reserve(s.size() + 1);
  out.push_back(static_cast<uint8_t>(s.size()));
  for (char c : s) out.push_back(static_cast<uint8_t>(c));
  return out;
}
