#include "platform/RasterOp.h"

void Rop3Row(TCopyMode Rop, const std::uint32_t* Source, std::uint32_t* Dest, std::uint32_t Pattern, int Count) {
  for (int X = 0; X < Count; ++X) Dest[X] = Rop3(Rop, Source[X], Dest[X], Pattern) | 0xFF000000u;
}
