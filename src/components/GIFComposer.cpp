#include "components/GIFComposer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The part of Frame that lies on the picture (frames always do after
// decoding; this only guards against pictures built by hand).
struct TClip {
  int X0, Y0, X1, Y1;
  bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
};

TClip ClipFrame(const TGIFFrame& Frame, const TGIFPixels& Pixels) {
  return {std::max(Frame.Left, 0), std::max(Frame.Top, 0), std::min(Frame.Left + Frame.Width, Pixels.Width),
          std::min(Frame.Top + Frame.Height, Pixels.Height)};
}

}  // namespace

void TGIFComposer::Reset(const TGIFPicture& Picture) {
  FTransparent = Picture.Transparent;
  FPixels = TGIFPixels(Picture.Width, Picture.Height, FTransparent ? 0u : 0xFF000000u);
  FSaved.clear();
  FCurrent = -1;
}

TGIFPixels TGIFComposer::TakePicture() {
  TGIFPixels Taken = std::move(FPixels);
  FPixels = TGIFPixels();
  FSaved.clear();
  FCurrent = -1;
  return Taken;
}

void TGIFComposer::ShowFrame(const TGIFPicture& Picture, int Index) {
  const int Count = static_cast<int>(Picture.Frames.size());
  if (Index < 0 || Index >= Count || Index == FCurrent) return;
  if (FCurrent >= 0 && Index == FCurrent + 1 && FPixels.Width == Picture.Width &&
      FPixels.Height == Picture.Height) {
    Dispose(Picture.Frames[static_cast<std::size_t>(FCurrent)]);
  } else {
    Reset(Picture);
    for (int i = 0; i < Index; ++i) {
      Compose(Picture.Frames[static_cast<std::size_t>(i)]);
      Dispose(Picture.Frames[static_cast<std::size_t>(i)]);
    }
  }
  Compose(Picture.Frames[static_cast<std::size_t>(Index)]);
  FCurrent = Index;
}

void TGIFComposer::Compose(const TGIFFrame& Frame) {
  const TClip C = ClipFrame(Frame, FPixels);
  if (C.Empty()) return;
  const std::size_t Width = static_cast<std::size_t>(C.X1 - C.X0);
  if (Frame.Disposal == 3) {
    FSaved.resize(Width * static_cast<std::size_t>(C.Y1 - C.Y0));
    for (int Y = C.Y0; Y < C.Y1; ++Y) {
      std::memcpy(FSaved.data() + static_cast<std::size_t>(Y - C.Y0) * Width, FPixels.Row(Y) + C.X0,
                  Width * sizeof(std::uint32_t));
    }
  }
  const std::uint32_t* Palette = Frame.Palette.data();
  for (int Y = C.Y0; Y < C.Y1; ++Y) {
    const std::uint8_t* Src = Frame.Indices.data() +
                              static_cast<std::size_t>(Y - Frame.Top) * static_cast<std::size_t>(Frame.Width) +
                              static_cast<std::size_t>(C.X0 - Frame.Left);
    std::uint32_t* Dst = FPixels.Row(Y) + C.X0;
    if (Frame.Transparent) {
      const std::uint8_t Clear = static_cast<std::uint8_t>(Frame.TransparentIndex);
      for (std::size_t X = 0; X < Width; ++X)
        if (Src[X] != Clear) Dst[X] = Palette[Src[X]];
    } else {
      for (std::size_t X = 0; X < Width; ++X) Dst[X] = Palette[Src[X]];
    }
  }
}

void TGIFComposer::Dispose(const TGIFFrame& Frame) {
  const TClip C = ClipFrame(Frame, FPixels);
  if (C.Empty()) return;
  const std::size_t Width = static_cast<std::size_t>(C.X1 - C.X0);
  if (Frame.Disposal == 2) {
    const std::uint32_t Background = FTransparent ? 0u : 0xFF000000u;
    for (int Y = C.Y0; Y < C.Y1; ++Y) std::fill_n(FPixels.Row(Y) + C.X0, Width, Background);
  } else if (Frame.Disposal == 3 && FSaved.size() == Width * static_cast<std::size_t>(C.Y1 - C.Y0)) {
    for (int Y = C.Y0; Y < C.Y1; ++Y) {
      std::memcpy(FPixels.Row(Y) + C.X0, FSaved.data() + static_cast<std::size_t>(Y - C.Y0) * Width,
                  Width * sizeof(std::uint32_t));
    }
  }
}
