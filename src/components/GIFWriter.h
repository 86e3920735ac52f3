#pragma once
// Writing pictures as GIF files with exact colours (no colour reduction).
#include <cstdint>
#include <string>
#include <vector>

#include "common/Types.h"
#include "components/GIFTypes.h"

// One image of a file to write. Colours are the pixels' RGB parts (0xRRGGBB);
// the alpha byte is ignored.
struct TGIFWriteFrame {
  const TGIFPixels* Picture = nullptr;
  int Left = 0;
  int Top = 0;
  int Delay = 0;     // milliseconds, stored in hundredths
  int Disposal = 0;  // 0 ... 3
  bool Interlaced = false;
  bool Transparent = false;
  std::uint32_t TransparentColor = 0;  // 0xRRGGBB
};

struct TGIFWriteOptions {
  bool LoopExtension = true;  // for more than one frame
  int LoopCount = 0;          // 0: endless
};

// The credit line every written file carries in its comment block.
extern const char* const kGIFCredit;

// Builds a whole GIF file in Out. Fails (false, Out empty) when a frame has
// more than 256 colours, no pixels, or lies beyond 65535 pixels.
bool EncodeGIF(const std::vector<TGIFWriteFrame>& Frames, const TGIFWriteOptions& Options,
               std::vector<std::uint8_t>& Out);

// A one-frame file of Bitmap. With Transparent, the colour TransparentColor
// (a TColor, red in the low byte) becomes transparent where it occurs.
bool EncodeBitmapAsGIF(const TGIFPixels& Bitmap, bool Interlaced, TColor TransparentColor, bool Transparent,
                       std::vector<std::uint8_t>& Out);

// Encodes and writes FileName through a temporary file that replaces it only
// when everything was written; on failure the file is left as it was.
bool SaveBitmapAsGIF(const std::string& FileName, const TGIFPixels& Bitmap, bool Interlaced,
                     TColor TransparentColor, bool Transparent);

// Writes Data to FileName the same safe way.
bool WriteFileAtomically(const std::string& FileName, const std::vector<std::uint8_t>& Data);
