#pragma once
// The program's pictures, compiled in as resources ":/pictures/<file>".
#include <QByteArray>
#include <QIcon>
#include <QString>

// The contents of a picture file; empty when the program has no such file.
QByteArray PictureFile(const QString& FileName);

// A tool bar glyph from a GIF picture file.
QIcon GlyphIcon(const QString& FileName);
