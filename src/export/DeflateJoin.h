#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Joining independently compressed pieces into one DEFLATE stream, so that the pieces of a
// picture can be compressed on several cores. Each piece comes from a whole-buffer compressor as
// a complete raw DEFLATE stream; all but the last are made to continue: the final-block flag of
// their last block is cleared and an empty stored block brings the stream to a byte boundary.
namespace deflatejoin {

// The bit positions (least significant bit first, as DEFLATE counts them) of the last block's
// header and of the end of the stream; false when the data is not a well-formed raw DEFLATE
// stream that ends within it.
bool FindLastBlock(const uint8_t* data, size_t size, uint64_t* lastHeader, uint64_t* end);

// Turns a complete raw DEFLATE stream into one that the next piece can follow; false when the
// stream cannot be read.
bool MakeContinuable(std::vector<uint8_t>& stream);

// The Adler-32 of two pieces one after the other, from each piece's own checksum and the second
// piece's length.
uint32_t CombineAdler32(uint32_t first, uint32_t second, uint64_t secondLength);

}  // namespace deflatejoin
