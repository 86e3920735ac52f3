#pragma once
// Reading GIF files (87a and 89a) into frames of colour indices.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "components/GIFTypes.h"

struct TGIFDecodeOptions {
  bool FirstImageOnly = false;
  // Called before every block with the position reached and the total size;
  // returning false ends loading (status Cancelled, frames so far kept).
  std::function<bool(std::size_t Position, std::size_t Total)> Progress;
};

// Decodes any bytes: malformed data end in a status other than Ok, with the
// frames read up to there. Never reads outside Data and never reserves more
// than the limits in GIFTypes.h allow.
TGIFPicture DecodeGIF(const std::uint8_t* Data, std::size_t Size, const TGIFDecodeOptions& Options = {});
