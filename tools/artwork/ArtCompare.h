#pragma once
// How far a shipped picture is from a fresh drawing, pixel by pixel: a newer
// Qt or FreeType draws edges and letters a little differently, and the
// colour reduction then picks other palettes, so the files are compared as
// pictures, not byte by byte.
#include "components/GIFTypes.h"

struct TPictureDistance {
  // Mean difference of a colour channel over the pixels that are close
  // (0 ... 64): a drift of the whole palette.
  double MeanChannel = 0;
  // Share of pixels that differ clearly (more than 64 levels in a channel)
  // or in transparency: moved or changed shapes.
  double Far = 0;
};

// Frame by frame; pictures of other sizes or frame counts are as far apart
// as can be.
TPictureDistance PictureDistance(const TGIFPicture& A, const TGIFPicture& B);

// At most a drift of 4 levels, and at most two pixels in a hundred clearly
// different: letters moved by a pixel pass, a changed or missing shape does
// not.
bool LooksAlike(const TPictureDistance& D);
