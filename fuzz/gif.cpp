// The GIF reader on any bytes; what it accepts is composed and written back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "components/GIFComposer.h"
#include "components/GIFDecoder.h"
#include "components/GIFWriter.h"

namespace {

void Check(bool Condition) {
  if (!Condition) __builtin_trap();
}

// A decoded frame written again must read back with the same colours.
void RoundTrip(const TGIFFrame& Frame) {
  TGIFPixels Pixels(Frame.Width, Frame.Height);
  for (std::size_t i = 0; i < Frame.Indices.size(); ++i) Pixels.Pixels[i] = Frame.Palette[Frame.Indices[i]];
  std::vector<std::uint8_t> Data;
  Check(EncodeBitmapAsGIF(Pixels, Frame.Interlaced, 0, false, Data));
  const TGIFPicture Again = DecodeGIF(Data.data(), Data.size());
  Check(Again.Status == TGIFStatus::Ok && Again.Frames.size() == 1);
  const TGIFFrame& F = Again.Frames[0];
  for (std::size_t i = 0; i < F.Indices.size(); ++i) Check(F.Palette[F.Indices[i]] == Pixels.Pixels[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const TGIFPicture P = DecodeGIF(Data, Size);
  Check(P.Frames.size() <= static_cast<std::size_t>(kGIFMaxFrames));
  for (const TGIFFrame& F : P.Frames) {
    Check(F.Width > 0 && F.Height > 0);
    Check(F.Indices.size() == static_cast<std::size_t>(F.Width) * static_cast<std::size_t>(F.Height));
    Check(F.Left + F.Width <= P.Width && F.Top + F.Height <= P.Height);
    Check(F.Disposal >= 0 && F.Disposal <= 3);
  }
  if (static_cast<std::size_t>(P.Width) * static_cast<std::size_t>(P.Height) <= (1u << 16) && P.Frames.size() <= 32) {
    TGIFComposer Composer;
    Composer.Reset(P);
    for (int i = 0; i < static_cast<int>(P.Frames.size()); ++i) Composer.ShowFrame(P, i);
    Composer.ShowFrame(P, 0);
    if (!P.Frames.empty() && P.Frames.size() <= 4) RoundTrip(P.Frames.back());
  }
  return 0;
}
