#pragma once
// Pictures of the main window drawn at run time: the tool bar glyphs, the
// tiles of the chapter backgrounds and the arrows of the learning-path
// buttons.
#include <QByteArray>
#include <QIcon>
#include <QImage>

enum TToolGlyph {
  tgHome,
  tgBack,
  tgForward,
  tgWoBinIch,
  tgStichwort,
  tgTaschenrechner,
  tgSuper,
  tgFirst,
  tgPrev,
  tgNext,
  tgLast,
};

// A glyph of Size x Size pixels (transparent around the figure).
QImage ToolGlyphImage(TToolGlyph Glyph, int Size = 24);
QIcon ToolGlyph(TToolGlyph Glyph);

// The background tile of chapter picture Number (1 ... 7); any other number
// gives a plain white tile.
QImage ChapterTilePicture(int Number);

// The learning-path arrows, 34 x 34: "back" points left, "forward" right.
QImage LearnPathPicture(bool Forward);

// Picture as the contents of a GIF file: at most 255 colours (reduced when
// it has more), pixels less than half covered transparent. Empty when it
// cannot be written (an empty picture).
QByteArray PictureAsGIF(const QImage& Picture);
