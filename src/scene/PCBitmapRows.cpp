#include "scene/PCBitmapRows.h"

TPixelRows PixelRowsOf(TBitmap& Bitmap) {
  Bitmap.SetPixelFormat(pf32bit);
  if (Bitmap.Width() <= 0 || Bitmap.Height() <= 0) return {};
  return {Bitmap.ScanLine(0), Bitmap.BytesPerLine(), Bitmap.Width(), Bitmap.Height(), 4};
}
