#pragma once
// Pictures of the course's pages: the page as drawn, scaled, and written as
// a bitmap, GIF or PNG file. Files are written through a temporary file that
// replaces the target only when everything was written.
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <stdexcept>

class QWidget;

enum class TPictureKind { Bitmap, Gif, Png };

// The kind a file name asks for by its extension, compared in upper case:
// ".GIF" a GIF, ".PNG" a PNG, any other a bitmap; nothing without one.
std::optional<TPictureKind> PictureKindOf(const QString& FileName);

// The picture of Area of Widget as it is drawn now, at its logical size
// (on a scaled screen the grab holds more device pixels than that).
QImage WidgetAreaPicture(QWidget* Widget, const QRect& Area);

// The picture of Widget as it is drawn now, at Percent of its size (the
// size rounded to the nearest whole pixel, halves to even).
QImage WidgetPicture(QWidget* Widget, int Percent = 100);

// A file could not be written; the text says which and why, in German.
class EPictureWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes Picture as Kind to FileName. A GIF is first reduced to at most 256
// colours. Throws EPictureWriteError; the target is then left as it was.
void WritePicture(const QImage& Picture, const QString& FileName, TPictureKind Kind);
