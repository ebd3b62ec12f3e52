#include "DeflateJoin.h"

#include <array>
#include <cstring>

namespace deflatejoin {

namespace {

// Reads a DEFLATE stream bit by bit, least significant bit first; never past its end.
class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint64_t Position() const { return pos_; }
  bool Failed() const { return failed_; }

  uint32_t Peek(int count) const {
    const size_t byte = static_cast<size_t>(pos_ >> 3);
    uint64_t v = 0;
    if (byte + 8 <= size_) {
      std::memcpy(&v, data_ + byte, 8);  // little-endian machines only, as DEFLATE's bit order
    } else {
      for (size_t i = 0; byte + i < size_ && i < 8; ++i) v |= uint64_t{data_[byte + i]} << (8 * i);
    }
    return static_cast<uint32_t>((v >> (pos_ & 7)) & ((uint64_t{1} << count) - 1));
  }
  void Skip(uint64_t count) {
    pos_ += count;
    if (pos_ > uint64_t{size_} * 8) failed_ = true;
  }
  uint32_t Get(int count) {
    const uint32_t v = Peek(count);
    Skip(static_cast<uint64_t>(count));
    return v;
  }
  void AlignToByte() { Skip((8 - (pos_ & 7)) & 7); }

 private:
  const uint8_t* data_;
  size_t size_;
  uint64_t pos_ = 0;
  bool failed_ = false;
};

// A canonical Huffman code as a table indexed by the next maxBits bits of the stream.
class Huffman {
 public:
  bool Build(const uint8_t* lengths, int count) {
    std::array<int, 16> perLength{};
    maxBits_ = 1;
    for (int s = 0; s < count; ++s) {
      ++perLength[lengths[s]];
      maxBits_ = std::max<int>(maxBits_, lengths[s]);
    }
    perLength[0] = 0;
    std::array<uint32_t, 16> next{};
    uint32_t code = 0;
    for (int len = 1; len < 16; ++len) {
      code = (code + static_cast<uint32_t>(perLength[len - 1])) << 1;
      next[len] = code;
      if (perLength[len] > 0 && next[len] + static_cast<uint32_t>(perLength[len]) > (1u << len)) return false;
    }
    table_.assign(size_t{1} << maxBits_, 0);
    for (int s = 0; s < count; ++s) {
      const int len = lengths[s];
      if (len == 0) continue;
      uint32_t c = next[len]++, reversed = 0;
      for (int i = 0; i < len; ++i, c >>= 1) reversed = (reversed << 1) | (c & 1);
      for (uint32_t r = reversed; r < table_.size(); r += 1u << len)
        table_[r] = static_cast<uint16_t>(s << 4 | len);
    }
    return true;
  }
  // The next symbol, or -1 for a code the table does not have.
  int Decode(BitReader& in) const {
    const uint16_t e = table_[in.Peek(maxBits_)];
    if ((e & 15) == 0) return -1;
    in.Skip(e & 15);
    return e >> 4;
  }

 private:
  std::vector<uint16_t> table_;
  int maxBits_ = 1;
};

constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool ReadDynamicCodes(BitReader& in, Huffman& literals, Huffman& distances) {
  const int nLiterals = static_cast<int>(in.Get(5)) + 257;
  const int nDistances = static_cast<int>(in.Get(5)) + 1;
  const int nCodeLengths = static_cast<int>(in.Get(4)) + 4;
  static constexpr std::array<uint8_t, 19> kOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  std::array<uint8_t, 19> codeLengths{};
  for (int i = 0; i < nCodeLengths; ++i) codeLengths[kOrder[static_cast<size_t>(i)]] = static_cast<uint8_t>(in.Get(3));
  Huffman lengthCode;
  if (!lengthCode.Build(codeLengths.data(), 19)) return false;
  std::array<uint8_t, 320> lengths{};
  for (int i = 0; i < nLiterals + nDistances && !in.Failed();) {
    const int sym = lengthCode.Decode(in);
    if (sym < 0) return false;
    if (sym < 16) {
      lengths[static_cast<size_t>(i++)] = static_cast<uint8_t>(sym);
      continue;
    }
    uint8_t value = 0;
    int repeat;
    if (sym == 16) {
      if (i == 0) return false;
      value = lengths[static_cast<size_t>(i - 1)];
      repeat = 3 + static_cast<int>(in.Get(2));
    } else if (sym == 17) {
      repeat = 3 + static_cast<int>(in.Get(3));
    } else {
      repeat = 11 + static_cast<int>(in.Get(7));
    }
    if (i + repeat > nLiterals + nDistances) return false;
    while (repeat-- > 0) lengths[static_cast<size_t>(i++)] = value;
  }
  return !in.Failed() && literals.Build(lengths.data(), nLiterals) &&
         distances.Build(lengths.data() + nLiterals, nDistances);
}

bool SkipCompressedData(BitReader& in, const Huffman& literals, const Huffman& distances) {
  for (;;) {
    const int sym = literals.Decode(in);
    if (sym < 0 || sym > 285 || in.Failed()) return false;
    if (sym == 256) return true;
    if (sym < 256) continue;
    in.Skip(kLengthExtra[static_cast<size_t>(sym - 257)]);
    const int dist = distances.Decode(in);
    if (dist < 0 || dist > 29) return false;
    in.Skip(kDistanceExtra[static_cast<size_t>(dist)]);
  }
}

}  // namespace

bool FindLastBlock(const uint8_t* data, size_t size, uint64_t* lastHeader, uint64_t* end) {
  BitReader in(data, size);
  static const std::pair<Huffman, Huffman> fixed = [] {
    std::array<uint8_t, 320> l{};
    for (int s = 0; s < 288; ++s) l[static_cast<size_t>(s)] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
    for (int s = 288; s < 320; ++s) l[static_cast<size_t>(s)] = 5;
    std::pair<Huffman, Huffman> codes;
    codes.first.Build(l.data(), 288);
    codes.second.Build(l.data() + 288, 32);
    return codes;
  }();
  for (;;) {
    const uint64_t header = in.Position();
    const bool final = in.Get(1);
    const uint32_t type = in.Get(2);
    if (in.Failed()) return false;
    if (type == 0) {
      in.AlignToByte();
      const uint32_t len = in.Get(16), nlen = in.Get(16);
      if ((len ^ 0xFFFF) != nlen) return false;
      in.Skip(uint64_t{len} * 8);
    } else if (type == 1) {
      if (!SkipCompressedData(in, fixed.first, fixed.second)) return false;
    } else if (type == 2) {
      Huffman literals, distances;
      if (!ReadDynamicCodes(in, literals, distances) || !SkipCompressedData(in, literals, distances)) return false;
    } else {
      return false;
    }
    if (in.Failed()) return false;
    if (final) {
      *lastHeader = header;
      *end = in.Position();
      return true;
    }
  }
}

bool MakeContinuable(std::vector<uint8_t>& stream) {
  uint64_t header = 0, end = 0;
  if (!FindLastBlock(stream.data(), stream.size(), &header, &end)) return false;
  stream[static_cast<size_t>(header >> 3)] &= static_cast<uint8_t>(~(1u << (header & 7)));
  // An empty stored block: three header bits of zero right after the last block, then up to the
  // byte boundary, then its length 0 and the length's complement.
  const size_t bytes = static_cast<size_t>((end + 3 + 7) / 8);
  stream.resize(bytes, 0);
  if (end & 7) stream[static_cast<size_t>(end >> 3)] &= static_cast<uint8_t>((1u << (end & 7)) - 1);
  for (size_t i = static_cast<size_t>((end + 7) / 8); i < bytes; ++i) stream[i] = 0;
  stream.insert(stream.end(), {0x00, 0x00, 0xFF, 0xFF});
  return true;
}

uint32_t CombineAdler32(uint32_t first, uint32_t second, uint64_t secondLength) {
  constexpr uint32_t kBase = 65521;
  const uint32_t rem = static_cast<uint32_t>(secondLength % kBase);
  uint32_t sum1 = first & 0xFFFF;
  uint32_t sum2 = static_cast<uint32_t>((uint64_t{rem} * sum1) % kBase);
  sum1 += (second & 0xFFFF) + kBase - 1;
  sum2 += ((first >> 16) & 0xFFFF) + ((second >> 16) & 0xFFFF) + kBase - rem;
  if (sum1 >= kBase) sum1 -= kBase;
  if (sum1 >= kBase) sum1 -= kBase;
  if (sum2 >= (kBase << 1)) sum2 -= (kBase << 1);
  if (sum2 >= kBase) sum2 -= kBase;
  return sum1 | (sum2 << 16);
}

}  // namespace deflatejoin
