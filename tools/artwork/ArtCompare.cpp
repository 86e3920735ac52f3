#include "ArtCompare.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The colour of a decoded frame's pixel, or -1 where it is transparent.
std::int64_t ColourAt(const TGIFFrame& F, int X, int Y) {
  const int I = F.Indices[static_cast<std::size_t>(Y) * static_cast<std::size_t>(F.Width) + static_cast<std::size_t>(X)];
  if (F.Transparent && I == F.TransparentIndex) return -1;
  return F.Palette[static_cast<std::size_t>(I)] & 0xFFFFFF;
}

}  // namespace

TPictureDistance PictureDistance(const TGIFPicture& A, const TGIFPicture& B) {
  const TPictureDistance Unlike{255, 1};
  if (A.Frames.size() != B.Frames.size() || A.Frames.empty()) return Unlike;
  double Channels = 0;
  std::int64_t Far = 0, Near = 0, Pixels = 0;
  for (std::size_t K = 0; K < A.Frames.size(); ++K) {
    const TGIFFrame& FA = A.Frames[K];
    const TGIFFrame& FB = B.Frames[K];
    const std::size_t Size = static_cast<std::size_t>(FA.Width) * static_cast<std::size_t>(FA.Height);
    if (FA.Width != FB.Width || FA.Height != FB.Height || FA.Left != FB.Left || FA.Top != FB.Top ||
        FA.Indices.size() != Size || FB.Indices.size() != Size)
      return Unlike;
    for (int Y = 0; Y < FA.Height; ++Y)
      for (int X = 0; X < FA.Width; ++X) {
        ++Pixels;
        const std::int64_t CA = ColourAt(FA, X, Y), CB = ColourAt(FB, X, Y);
        if ((CA < 0) != (CB < 0)) {
          ++Far;
          continue;
        }
        if (CA < 0) continue;
        int Largest = 0, Sum = 0;
        for (const int Shift : {0, 8, 16}) {
          const int D = std::abs(static_cast<int>((CA >> Shift) & 0xFF) - static_cast<int>((CB >> Shift) & 0xFF));
          Sum += D;
          Largest = std::max(Largest, D);
        }
        if (Largest > 64) {
          ++Far;
        } else {
          ++Near;
          Channels += Sum;
        }
      }
  }
  if (Pixels == 0) return Unlike;
  return {Near == 0 ? 0.0 : Channels / (3.0 * static_cast<double>(Near)),
          static_cast<double>(Far) / static_cast<double>(Pixels)};
}

bool LooksAlike(const TPictureDistance& D) { return D.MeanChannel <= 4.0 && D.Far <= 0.02; }
