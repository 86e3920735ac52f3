#pragma once
// The pixel rows of a 32-bit bitmap, for the row arithmetic of the panel.
#include "platform/Bitmap.h"
#include "scene/PixelRows.h"

// Makes Bitmap 32 bits per pixel and returns its rows (none when empty).
// The rows stay valid until the bitmap is resized or drawn on.
TPixelRows PixelRowsOf(TBitmap& Bitmap);
