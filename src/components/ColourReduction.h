#pragma once
// Reducing a picture to at most 256 colours, so that it can be written as a
// GIF file: a palette chosen for the picture (not a fixed cube) and the
// pixels mapped onto it with light dithering. Pictures that already have
// few enough colours come back unchanged.
// The palette comes from libimagequant: on course pages (gradients, pictures,
// text) it leaves a mean error of about 0.1 levels per channel, where Qt's
// own 8-bit conversion, which maps onto a fixed colour cube, leaves 8 to 15
// (bench/pagepictures.cpp measures both).
#include <cstddef>

#include "components/GIFTypes.h"

// The picture with at most MaxColours distinct colours (2 ... 256).
TGIFPixels ReduceColours(const TGIFPixels& Picture, int MaxColours = 256);

// How many distinct colours (the RGB parts) a picture has, counting at most
// Limit + 1 of them.
std::size_t CountColours(const TGIFPixels& Picture, std::size_t Limit);
