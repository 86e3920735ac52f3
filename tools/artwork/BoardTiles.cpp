// The boards of the term calculator game: squared paper as in an exercise
// book, in two colourings for even and odd levels. The lines stay faint:
// the cells are see-through and their terms must read clearly over them. The panel fills itself
// with the tile mirrored at every edge, so the lines are drawn symmetric
// about the tile's middle and the copies join without a seam.
#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

struct TPaper {
  QColor Paper, Minor, Major;
};

// Lines every 5 pixels, every fifth of them stronger; line i lies at
// 2 + 5 i, so in a tile of 100 pixels line i and line 19 - i mirror each
// other.
void DrawSquares(QImage& Image, const TPaper& Colors) {
  QPainter P(&Image);
  const int Size = kBoardTileSize;
  for (int Pass = 0; Pass < 2; ++Pass)
    for (int I = 0; 2 + 5 * I < Size; ++I) {
      const bool Major = I % 5 == 2;
      if (Major != (Pass == 1)) continue;  // the strong lines over the fine ones
      P.setPen(Major ? Colors.Major : Colors.Minor);
      const int At = 2 + 5 * I;
      P.drawLine(At, 0, At, Size - 1);
      P.drawLine(0, At, Size - 1, At);
    }
}

}  // namespace

TArtPicture DrawBoardTile(int Variant) {
  const TPaper Colors = Variant == 1 ? TPaper{QColor(0xFBF7EA), QColor(0xEBEFF4), QColor(0xCAD8EA)}
                                     : TPaper{QColor(0xEFF6EA), QColor(0xF3E6DA), QColor(0xEAC6A8)};
  QImage Image = NewImage(kBoardTileSize, kBoardTileSize, Colors.Paper);
  DrawSquares(Image, Colors);
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  Picture.Matte = Colors.Paper.rgb();
  Picture.Pinned = {Colors.Paper.rgb(), Colors.Minor.rgb(), Colors.Major.rgb()};
  return Picture;
}
