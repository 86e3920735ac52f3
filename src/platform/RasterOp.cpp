#include "platform/RasterOp.h"

void Rop3Row(TCopyMode Rop, const std::uint32_t* Source, std::uint32_t* Dest, std::uint32_t Pattern, int Count) {
  // The pattern is the same for the whole row, so each minterm reduces to a
  // function of source and destination; only the minterms of the table count.
  const std::uint8_t Table = RopTable(Rop);
  std::uint32_t Masks[4] = {};  // indexed by S*2 + D: the pattern bits that select the minterm
  for (int I = 0; I < 8; ++I)
    if (Table & (1u << I)) Masks[I & 3] |= (I & 4) ? Pattern : ~Pattern;
  for (int X = 0; X < Count; ++X) {
    const std::uint32_t S = Source[X], D = Dest[X];
    const std::uint32_t R = (Masks[0] & ~S & ~D) | (Masks[1] & ~S & D) | (Masks[2] & S & ~D) | (Masks[3] & S & D);
    Dest[X] = R | 0xFF000000u;
  }
}
