#pragma once
// Reducing drawn pictures to the at most 256 colours of a GIF image: a
// palette chosen by median cut over the colours the pictures use, then every
// pixel mapped to its nearest palette colour (optionally with an ordered
// dither that breaks up the bands of soft gradients).
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

// The colour a pixel of a premultiplied image shows over Matte (opaque).
QRgb OverMatte(QRgb Premultiplied, QRgb Matte);

// At most MaxColors opaque colours for all Pictures together (so every frame
// of an animation shares one palette). Pinned colours are taken as they are
// and count towards MaxColors. Pixels with alpha below 128 are left out (they
// become transparent); the others count with their colour over Matte. The
// same input always gives the same palette.
std::vector<QRgb> ChoosePalette(const std::vector<QImage>& Pictures, QRgb Matte, int MaxColors,
                                const std::vector<QRgb>& Pinned = {});

// The index of the palette entry nearest to Color (weighted RGB distance;
// the first of equally near entries).
int NearestColor(const std::vector<QRgb>& Palette, QRgb Color);

struct TMapOptions {
  // Ordered dither: each channel is moved by up to +-Dither/2 levels with an
  // 8 x 8 threshold pattern before the nearest colour is looked up. 0: none.
  int Dither = 0;
  // What pixels with alpha below 128 become; it should not be a palette colour.
  QRgb TransparentKey = 0xFFFF00FFu;
};

// Picture (premultiplied ARGB32) mapped to Palette as opaque 0xFFRRGGBB
// pixels, top row first; transparent pixels become Options.TransparentKey.
std::vector<std::uint32_t> MapToPalette(const QImage& Picture, const std::vector<QRgb>& Palette, QRgb Matte,
                                        const TMapOptions& Options = {});
