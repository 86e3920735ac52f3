#pragma once
// Variable-length LZW as GIF images use it: codes of MinCodeSize + 1 up to
// 12 bits, least significant bit first, a clear code (1 << MinCodeSize) and
// an end code right after it.
#include <cstddef>
#include <cstdint>
#include <vector>

enum class TLzwEnd {
  EndCode,    // the end code was read, or the output was filled
  EndOfData,  // the codes ran out before the output was filled
  BadCode,    // a code beyond the table, or a string code right after a clear
};

struct TLzwDecodeResult {
  std::size_t Written = 0;
  TLzwEnd End = TLzwEnd::EndCode;
};

// Decodes the code stream Data (the image's sub-blocks joined together) into
// at most Count colour indices. MinCodeSize must be 1 ... 8. A full table
// stays in use until the next clear code.
TLzwDecodeResult LzwDecode(const std::uint8_t* Data, std::size_t Size, int MinCodeSize, std::uint8_t* Out,
                           std::size_t Count);

// Appends the code stream for Count indices (each below 1 << MinCodeSize,
// MinCodeSize 2 ... 8) to Out: a clear code first, a clear code whenever the
// table is full, the end code last, padded to whole bytes.
void LzwEncode(const std::uint8_t* Indices, std::size_t Count, int MinCodeSize, std::vector<std::uint8_t>& Out);
