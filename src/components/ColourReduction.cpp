#include "components/ColourReduction.h"

#include <libimagequant.h>

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <vector>

namespace {
// Owners of the library's objects.
struct TAttrFree {
  void operator()(liq_attr* P) const { liq_attr_destroy(P); }
};
struct TImageFree {
  void operator()(liq_image* P) const { liq_image_destroy(P); }
};
struct TResultFree {
  void operator()(liq_result* P) const { liq_result_destroy(P); }
};
}  // namespace

std::size_t CountColours(const TGIFPixels& Picture, std::size_t Limit) {
  std::unordered_set<std::uint32_t> Seen;
  for (const std::uint32_t P : Picture.Pixels) {
    Seen.insert(P & 0xFFFFFFu);
    if (Seen.size() > Limit) break;
  }
  return Seen.size();
}

TGIFPixels ReduceColours(const TGIFPixels& Picture, int MaxColours) {
  MaxColours = std::clamp(MaxColours, 2, 256);
  if (Picture.Width <= 0 || Picture.Height <= 0 ||
      CountColours(Picture, static_cast<std::size_t>(MaxColours)) <= static_cast<std::size_t>(MaxColours))
    return Picture;

  // libimagequant reads RGBA bytes; the picture's pixels are 0xAARRGGBB.
  std::vector<unsigned char> Rgba(Picture.Pixels.size() * 4);
  for (std::size_t I = 0; I < Picture.Pixels.size(); ++I) {
    const std::uint32_t P = Picture.Pixels[I];
    Rgba[4 * I] = static_cast<unsigned char>(P >> 16);
    Rgba[4 * I + 1] = static_cast<unsigned char>(P >> 8);
    Rgba[4 * I + 2] = static_cast<unsigned char>(P);
    Rgba[4 * I + 3] = 255;
  }
  const std::unique_ptr<liq_attr, TAttrFree> Attr(liq_attr_create());
  if (!Attr) return Picture;
  liq_set_max_colors(Attr.get(), MaxColours);
  liq_set_speed(Attr.get(), 5);
  const std::unique_ptr<liq_image, TImageFree> Image(
      liq_image_create_rgba(Attr.get(), Rgba.data(), Picture.Width, Picture.Height, 0));
  if (!Image) return Picture;
  liq_result* RawResult = nullptr;
  if (liq_image_quantize(Image.get(), Attr.get(), &RawResult) != LIQ_OK || !RawResult) return Picture;
  const std::unique_ptr<liq_result, TResultFree> Result(RawResult);
  liq_set_dithering_level(Result.get(), 0.5f);
  std::vector<unsigned char> Indices(Picture.Pixels.size());
  if (liq_write_remapped_image(Result.get(), Image.get(), Indices.data(), Indices.size()) != LIQ_OK) return Picture;
  const liq_palette* Palette = liq_get_palette(Result.get());

  TGIFPixels Reduced(Picture.Width, Picture.Height);
  for (std::size_t I = 0; I < Indices.size(); ++I) {
    const liq_color& C = Palette->entries[std::min<unsigned>(Indices[I], Palette->count - 1)];
    Reduced.Pixels[I] = 0xFF000000u | (std::uint32_t{C.r} << 16) | (std::uint32_t{C.g} << 8) | C.b;
  }
  return Reduced;
}
