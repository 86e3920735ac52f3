#pragma once
// The drawing of each kind of picture.
#include "Artwork.h"

// Calm tiles behind the pages of a chapter (0 start page, 1, 2, 3, 4, 8, 9, 10).
constexpr int kPageWidth = 736;
constexpr int kPageHeight = 482;
TArtPicture DrawChapterBackground(int Chapter);
// The picture behind a chapter's first page (1, 2 for 2 and 3, 4, 5, 8, 9, 10).
TArtPicture DrawChapterStart(int Chapter);
// The illustration of the start page.
constexpr int kStartPictureSize = 200;
TArtPicture DrawStartPicture();
// The animated figure of the message window.
constexpr int kFigureWidth = 57;
constexpr int kFigureHeight = 69;
constexpr int kFigureFrames = 8;
TArtPicture DrawFigure();
// The learning-path buttons of the pages.
constexpr int kPathArrowSize = 34;
TArtPicture DrawPathArrow(bool Forward);

// The two boards of the term calculator game (1 even levels, 2 odd ones),
// tiles the board panel repeats mirrored.
constexpr int kBoardTileSize = 100;
TArtPicture DrawBoardTile(int Variant);

enum class TToolGlyph { Home, Back, Forward, WhereAmI, Index, Calculator, Up, First, Previous, Next, Last };
constexpr int kToolGlyphSize = 24;
TArtPicture DrawToolGlyph(TToolGlyph Glyph);
