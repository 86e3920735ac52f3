#pragma once
// The GIF codec for Qt pictures: pixel rows to and from QImage, writing a
// QImage as a GIF file, and reading the first picture of GIF data.
#include <QByteArray>
#include <QImage>
#include <QString>

#include "common/Types.h"
#include "components/GIFTypes.h"

// The image's colours as opaque 32-bit rows (alpha is dropped).
TGIFPixels PixelsFromImage(const QImage& Image);
// A deep copy as a premultiplied ARGB32 image.
QImage ImageFromPixels(const TGIFPixels& Pixels);
// The same image without a copy: it takes over the pixels (Pixels is left
// empty) and frees them with its last copy.
QImage ImageFromPixels(TGIFPixels&& Pixels);

// Writes Bitmap as a one-frame GIF file with its exact colours; false (and
// the file untouched) with more than 256 colours, an empty bitmap or a
// write error. TransparentColor is a TColor (red in the low byte).
bool SaveBitmapAsGIF(const QString& FileName, const QImage& Bitmap, bool Interlaced = false,
                     TColor TransparentColor = 0, bool Transparent = false);

// The GIF's first frame composed at its logical size; a null image when the
// data hold no frame.
QImage DecodeGIFImage(const QByteArray& Data);
