#pragma once
// Raster operations of block transfers: the classic ternary codes that combine
// source (S), destination (D) and the brush pattern (P) bit by bit. The third
// byte of a code is its truth table: bit (P*4 + S*2 + D) gives the result bit.
#include <cstdint>

using TCopyMode = int;

constexpr TCopyMode BLACKNESS = 0x00000042;    // 0
constexpr TCopyMode NOTSRCERASE = 0x001100A6;  // NOT (S OR D)
constexpr TCopyMode NOTSRCCOPY = 0x00330008;   // NOT S
constexpr TCopyMode SRCERASE = 0x00440328;     // S AND NOT D
constexpr TCopyMode DSTINVERT = 0x00550009;    // NOT D
constexpr TCopyMode PATINVERT = 0x005A0049;    // P XOR D
constexpr TCopyMode SRCINVERT = 0x00660046;    // S XOR D
constexpr TCopyMode SRCAND = 0x008800C6;       // S AND D
constexpr TCopyMode MERGEPAINT = 0x00BB0226;   // NOT S OR D
constexpr TCopyMode MERGECOPY = 0x00C000CA;    // S AND P
constexpr TCopyMode SRCCOPY = 0x00CC0020;      // S
constexpr TCopyMode SRCPAINT = 0x00EE0086;     // S OR D
constexpr TCopyMode PATCOPY = 0x00F00021;      // P
constexpr TCopyMode PATPAINT = 0x00FB0A09;     // P OR NOT S OR D
constexpr TCopyMode WHITENESS = 0x00FF0062;    // 1

constexpr std::uint8_t RopTable(TCopyMode Rop) { return static_cast<std::uint8_t>((Rop >> 16) & 0xFF); }

// Bitwise result of the operation for one pixel (or any 32 bits).
constexpr std::uint32_t Rop3(TCopyMode Rop, std::uint32_t S, std::uint32_t D, std::uint32_t P) {
  const std::uint8_t Table = RopTable(Rop);
  std::uint32_t Result = 0;
  for (int I = 0; I < 8; ++I) {
    if (!(Table & (1u << I))) continue;
    const std::uint32_t PBits = (I & 4) ? P : ~P;
    const std::uint32_t SBits = (I & 2) ? S : ~S;
    const std::uint32_t DBits = (I & 1) ? D : ~D;
    Result |= PBits & SBits & DBits;
  }
  return Result;
}

// Combines one row of Count pixels into Dest; the top byte (alpha) of each
// result is set, since the rows are opaque pictures.
void Rop3Row(TCopyMode Rop, const std::uint32_t* Source, std::uint32_t* Dest, std::uint32_t Pattern, int Count);

// True when the operation reads the source / the destination.
constexpr bool RopUsesSource(TCopyMode Rop) {
  const std::uint8_t T = RopTable(Rop);
  return ((T >> 2) & 0x33) != (T & 0x33);
}
constexpr bool RopUsesDest(TCopyMode Rop) {
  const std::uint8_t T = RopTable(Rop);
  return ((T >> 1) & 0x55) != (T & 0x55);
}
