#pragma once
// The catalogue of the program's pictures and how a drawn picture becomes the
// bytes of a GIF file.
#include <QImage>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// A drawn picture before colour reduction: one or more frames of one size.
struct TArtPicture {
  std::vector<QImage> Frames;  // premultiplied ARGB32, all of one size
  std::vector<int> Delays;     // milliseconds per frame (animations)
  bool Transparent = false;    // pixels with alpha below 128 are left out
  QRgb Matte = 0xFFFFFFFFu;    // what partly covered pixels are blended over
  int Dither = 0;              // ordered dither strength in colour levels
  std::vector<QRgb> Pinned;    // colours that must stay exact
};

struct TArtPiece {
  QString FileName;  // below the picture folder, e.g. "chapter1.gif"
  int Width;
  int Height;
  int FrameCount;
  std::function<TArtPicture()> Draw;
};

// Every picture the program ships, in a fixed order.
const std::vector<TArtPiece>& ArtCatalogue();

// The GIF file of Picture: one palette of at most 256 entries (one of them
// kept for transparency) for all frames; endless loop for animations.
// Empty when the picture cannot be written.
std::vector<std::uint8_t> EncodeArt(const TArtPicture& Picture);
