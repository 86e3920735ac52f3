#include "components/GIFLzw.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace {

constexpr unsigned kMaxCodes = 4096;
constexpr unsigned kMaxCodeSize = 12;

std::uint64_t Load64(const std::uint8_t* P) {
  std::uint64_t V;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&V, P, 8);
  } else {
    V = 0;
    for (int i = 7; i >= 0; --i) V = (V << 8) | P[i];
  }
  return V;
}

void Store32(std::uint8_t* P, std::uint32_t V) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(P, &V, 4);
  } else {
    for (int i = 0; i < 4; ++i) P[i] = static_cast<std::uint8_t>(V >> (8 * i));
  }
}

}  // namespace

// Every table string is a run of bytes that was already written to the
// output: a new entry is the previous code's output plus the first byte of
// the current one, which follows it directly. So the table keeps only where
// each string starts in the output and how long it is, and decoding a code
// is a copy from earlier output.
TLzwDecodeResult LzwDecode(const std::uint8_t* Data, std::size_t Size, int MinCodeSize, std::uint8_t* Out,
                           std::size_t Count) {
  TLzwDecodeResult Result;
  if (Count == 0 || MinCodeSize < 1 || MinCodeSize > 8) {
    Result.End = Count == 0 ? TLzwEnd::EndCode : TLzwEnd::BadCode;
    return Result;
  }
  const unsigned Clear = 1u << MinCodeSize;
  const unsigned EndCode = Clear + 1;
  const unsigned FirstFree = Clear + 2;

  std::array<std::uint32_t, kMaxCodes> StrPos;
  std::array<std::uint16_t, kMaxCodes> StrLen;

  unsigned CodeSize = static_cast<unsigned>(MinCodeSize) + 1;
  unsigned CodeMask = (1u << CodeSize) - 1;
  unsigned Next = FirstFree;
  bool HavePrev = false;
  std::size_t PrevPos = 0;
  std::size_t PrevLen = 0;

  std::uint64_t Bits = 0;
  unsigned NBits = 0;
  std::size_t In = 0;
  std::uint8_t* O = Out;
  std::uint8_t* const End = Out + Count;

  for (;;) {
    if (NBits < CodeSize) {
      if (Size - In >= 8) {
        // Bytes beyond the counted ones land at their own bit positions, so
        // OR-ing them in again on the next refill changes nothing.
        Bits |= Load64(Data + In) << NBits;
        const unsigned Take = (63 - NBits) >> 3;
        In += Take;
        NBits += Take * 8;
      } else {
        while (NBits <= 56 && In < Size) {
          Bits |= static_cast<std::uint64_t>(Data[In++]) << NBits;
          NBits += 8;
        }
        if (NBits < CodeSize) {
          Result.End = TLzwEnd::EndOfData;
          break;
        }
      }
    }
    const unsigned Code = static_cast<unsigned>(Bits) & CodeMask;
    Bits >>= CodeSize;
    NBits -= CodeSize;

    if (Code == Clear) {
      CodeSize = static_cast<unsigned>(MinCodeSize) + 1;
      CodeMask = (1u << CodeSize) - 1;
      Next = FirstFree;
      HavePrev = false;
      continue;
    }
    if (Code == EndCode) {
      Result.End = TLzwEnd::EndCode;
      break;
    }

    const std::size_t Room = static_cast<std::size_t>(End - O);
    std::size_t Len;
    if (Code < Clear) {
      *O = static_cast<std::uint8_t>(Code);
      Len = 1;
    } else if (!HavePrev) {
      Result.End = TLzwEnd::BadCode;
      break;
    } else if (Code < Next) {
      const std::uint8_t* Src = Out + StrPos[Code];
      Len = StrLen[Code];
      if (Len <= 16 && Room >= 16 && O - Src >= 16) {
        std::memcpy(O, Src, 16);  // the bytes past Len are overwritten later
      } else {
        std::memcpy(O, Src, std::min(Len, Room));
      }
    } else if (Code == Next) {
      // The string of the previous code followed by its own first byte; the
      // copy overlaps its source by one byte, so it goes byte by byte.
      const std::uint8_t* Src = Out + PrevPos;
      Len = PrevLen + 1;
      const std::size_t N = std::min(Len, Room);
      for (std::size_t i = 0; i < N; ++i) O[i] = Src[i];
    } else {
      Result.End = TLzwEnd::BadCode;
      break;
    }

    if (HavePrev) {
      if (Next < kMaxCodes) {
        StrPos[Next] = static_cast<std::uint32_t>(PrevPos);
        StrLen[Next] = static_cast<std::uint16_t>(PrevLen + 1);
        ++Next;
        if (Next == (1u << CodeSize) && CodeSize < kMaxCodeSize) {
          ++CodeSize;
          CodeMask = (1u << CodeSize) - 1;
        }
      }
    } else if (FirstFree == (1u << CodeSize) && CodeSize < kMaxCodeSize) {
      // Only with one-bit codes: the code size grows right after the first
      // code, as every writer of such streams expects.
      ++CodeSize;
      CodeMask = (1u << CodeSize) - 1;
    }
    HavePrev = true;
    PrevPos = static_cast<std::size_t>(O - Out);
    PrevLen = Len;
    if (Len >= Room) {
      O = End;
      Result.End = TLzwEnd::EndCode;
      break;
    }
    O += Len;
  }
  Result.Written = static_cast<std::size_t>(O - Out);
  return Result;
}

// The table is an open-addressed hash of (prefix code, next index) pairs;
// each slot holds the pair in its upper 20 bits and the code in the lower 12,
// zero meaning empty (no code is zero).
void LzwEncode(const std::uint8_t* Indices, std::size_t Count, int MinCodeSize, std::vector<std::uint8_t>& Out) {
  MinCodeSize = std::clamp(MinCodeSize, 2, 8);
  const unsigned Clear = 1u << MinCodeSize;
  const unsigned EndCode = Clear + 1;
  const unsigned FirstFree = Clear + 2;
  constexpr unsigned kHashBits = 14;
  constexpr unsigned kHashMask = (1u << kHashBits) - 1;
  std::array<std::uint32_t, 1u << kHashBits> Table;
  Table.fill(0);

  // At most one code per index, plus the clear codes and the last two. The
  // codes go into an uninitialised scratch buffer (untouched pages cost
  // nothing) through a 64-bit accumulator, four bytes at a time.
  const std::size_t MaxCodes = Count + Count / (kMaxCodes - FirstFree) + 4;
  const std::size_t MaxBytes = (MaxCodes * kMaxCodeSize + 7) / 8 + 8;
  std::unique_ptr<std::uint8_t[]> Buffer(new std::uint8_t[MaxBytes]);
  std::uint8_t* Pos = Buffer.get();
  std::uint64_t Acc = 0;
  unsigned Bits = 0;
  unsigned CodeSize = static_cast<unsigned>(MinCodeSize) + 1;
  auto Put = [&](unsigned Code) {
    Acc |= static_cast<std::uint64_t>(Code) << Bits;
    Bits += CodeSize;
    if (Bits >= 32) {
      Store32(Pos, static_cast<std::uint32_t>(Acc));
      Pos += 4;
      Acc >>= 32;
      Bits -= 32;
    }
  };

  unsigned Next = FirstFree;
  Put(Clear);
  if (Count > 0) {
    const unsigned IndexMask = Clear - 1;
    unsigned Prefix = Indices[0] & IndexMask;
    for (std::size_t i = 1; i < Count; ++i) {
      const unsigned C = Indices[i] & IndexMask;
      const std::uint32_t Key = (Prefix << 8) | C;
      std::uint32_t H = (Key * 0x9E3779B1u) >> (32 - kHashBits);
      bool Found = false;
      for (;;) {
        const std::uint32_t E = Table[H];
        if (E == 0) break;
        if ((E >> 12) == Key) {
          Prefix = E & 0xFFF;
          Found = true;
          break;
        }
        H = (H + 1) & kHashMask;
      }
      if (Found) continue;
      Put(Prefix);
      if (Next < kMaxCodes) {
        Table[H] = (Key << 12) | Next;
        if (Next == (1u << CodeSize)) ++CodeSize;
        ++Next;
      } else {
        Put(Clear);
        Table.fill(0);
        CodeSize = static_cast<unsigned>(MinCodeSize) + 1;
        Next = FirstFree;
      }
      Prefix = C;
    }
    Put(Prefix);
    // The reader adds a table entry for this last code too and may widen its
    // codes before it reads the end code.
    if (Next == (1u << CodeSize) && CodeSize < kMaxCodeSize) ++CodeSize;
  }
  Put(EndCode);
  while (Bits > 0) {
    *Pos++ = static_cast<std::uint8_t>(Acc);
    Acc >>= 8;
    Bits = Bits > 8 ? Bits - 8 : 0;
  }
  Out.insert(Out.end(), Buffer.get(), Pos);
}
