// The chapter backgrounds: light, calm tiles with faint motifs of the
// chapter's topic, so black text on top stays easy to read. Every motif is
// drawn wrapped around the tile's edges, so tiles repeat without seams.
#include <QStringList>
#include <functional>

#include "Motifs.h"
#include "Pieces.h"
#include "Sketch.h"

using namespace art;

namespace {

using TMotif = std::function<void(QPainter& P, TRandom& R, int Index)>;

// Motifs on a staggered grid of Columns x Rows cells, each moved a little and
// turned a little at random.
void Scatter(QPainter& P, int Columns, int Rows, std::uint32_t Seed, double MaxAngle, const TMotif& Motif) {
  TRandom R(Seed);
  const double CW = double(kPageWidth) / Columns, CH = double(kPageHeight) / Rows;
  int Index = 0;
  for (int Row = 0; Row < Rows; ++Row)
    for (int Col = 0; Col < Columns; ++Col, ++Index) {
      const double X = (Col + 0.5 + (Row % 2) * 0.5) * CW + R.Uniform(-0.18, 0.18) * CW;
      const double Y = (Row + 0.5) * CH + R.Uniform(-0.15, 0.15) * CH;
      const double Angle = R.Uniform(-MaxAngle, MaxAngle);
      const int Pick = Index;
      TRandom Own(Seed * 7919u + static_cast<std::uint32_t>(Index));
      DrawWrapped(P, {kPageWidth, kPageHeight}, [&](QPainter& Q) {
        Q.save();
        Q.translate(X, Y);
        Q.rotate(Angle);
        TRandom Copy = Own;  // each wrapped copy draws the same motif
        Motif(Q, Copy, Pick);
        Q.restore();
      });
    }
}

QColor Pick(const std::vector<QColor>& Colors, int Index) { return Colors[static_cast<std::size_t>(Index) % Colors.size()]; }

void Glyph(QPainter& P, const QString& Text, double Size, QColor Color) {
  // Letters are set in italic serif as in a textbook, the rest upright.
  bool Letters = false;
  for (QChar C : Text) Letters = Letters || C.isLetter();
  FillText(P, {0, 0}, Text, Letters ? SerifFont(Size) : SansFont(Size), Color);
}

TArtPicture Finish(QImage Image, QColor Base) {
  TArtPicture Picture;
  Picture.Frames.push_back(std::move(Image));
  Picture.Matte = Base.rgb();
  Picture.Pinned = {Base.rgb()};
  return Picture;
}

// Chapter 0: algebra signs of every kind in several soft colours.
void StartMotifs(QPainter& P) {
  const QStringList Glyphs = {"x", "+", "a²", "=", "y", "−", "( )", "b", "4", "3x", "n", "+", "2", "x²", "=", "a",
                              "+", "y", "7", "−", "b²"};
  const std::vector<QColor> Inks = {QColor(0xD2E1F2), QColor(0xF2DAD3), QColor(0xD5EBD6), QColor(0xEFE4C2)};
  Scatter(P, 7, 3, 11, 18, [&](QPainter& Q, TRandom& R, int I) {
    Glyph(Q, Glyphs[I % Glyphs.size()], R.Uniform(26, 44), Pick(Inks, I * 3 + 1));
  });
}

// Chapter 1: the rules of arithmetic with letters, and the signs of the four
// operations and of brackets.
void RuleMotifs(QPainter& P) {
  const QStringList Rules = {"a + b = b + a", "a · b = b · a", "a · (b + c)", "(a + b) + c", "a · b + a · c",
                             "a − (b + c)", "(a · b) · c"};
  const QStringList Signs = {"+", "( )", "−", "=", "[ ]", "+"};
  const std::vector<QColor> Inks = {QColor(0xF1DDAE), QColor(0xF3D4C4), QColor(0xDDE4BF)};
  Scatter(P, 4, 4, 12, 12, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0)
      FillText(Q, {0, 0}, Rules[(I / 2) % Rules.size()], SerifFont(R.Uniform(19, 23)), Pick(Inks, I / 2));
    else
      FillText(Q, {0, 0}, Signs[(I / 2) % Signs.size()], SansFont(R.Uniform(34, 46)), Pick(Inks, I / 2 + 1));
  });
}

// Chapter 2: squared exercise paper with matchstick patterns and the terms
// that count them.
void SetUpMotifs(QPainter& P) {
  P.save();
  P.setPen(QPen(QColor(0xE1EDD8), 1));
  for (int I = 0; I < 32; ++I) P.drawLine(QPointF(I * 23 + 0.5, 0), QPointF(I * 23 + 0.5, kPageHeight));
  for (int I = 0; I < 20; ++I) {
    const double Y = std::floor(I * kPageHeight / 20.0) + 0.5;
    P.drawLine(QPointF(0, Y), QPointF(kPageWidth, Y));
  }
  P.restore();
  const QStringList Terms = {"3·n + 1", "2·x + 5", "n + 1", "4·a", "x + x", "5·n − 2", "2·(a + b)"};
  Scatter(P, 4, 3, 13, 10, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0)
      Matchsticks(Q, R.Uniform(20, 26), 1 + (I / 2) % 3, QColor(0xE3D5B8), QColor(0xEFC4B4));
    else
      FillText(Q, {0, 0}, Terms[(I / 2) % Terms.size()], SerifFont(R.Uniform(20, 25)), QColor(0xC9DDBD));
  });
}

// Chapter 3: rectangles with named sides, and the terms that describe them.
void ReadMotifs(QPainter& P) {
  const QStringList Terms = {"2·a + 2·b", "a · b", "x + x + x", "3·x", "?", "a + b", "4·a", "?"};
  const QStringList Sides = {"a", "x", "b", "c"};
  const std::vector<QColor> Inks = {QColor(0xDCD2EE), QColor(0xD3E2F2), QColor(0xEFD8E6)};
  Scatter(P, 4, 3, 14, 10, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0) {
      const double W = R.Uniform(70, 96), H = R.Uniform(40, 54);
      LabelledRectangle(Q, W, H, Sides[(I / 2) % Sides.size()], Sides[(I / 2 + 2) % Sides.size()],
                        QColor(0xEEE8F7), Pick(Inks, I / 2), Pick(Inks, I / 2));
    } else {
      const QString T = Terms[(I / 2) % Terms.size()];
      FillText(Q, {0, 0}, T, T == "?" ? SansFont(R.Uniform(40, 50), true) : SerifFont(R.Uniform(20, 25)),
               Pick(Inks, I / 2 + 1));
    }
  });
}

// Chapter 4: small level balances, and pairs of terms that are equal for
// every number.
void EquivalenceMotifs(QPainter& P) {
  const QStringList Pairs = {"x + x = 2x", "a·b = b·a", "3(a + 1) = 3a + 3", "x·x = x²", "a − (b + c) = a − b − c",
                             "4y − y = 3y"};
  const TBalanceColors Colors{QColor(0xE6E3F4), QColor(0xF1EFFA), QColor(0xD6D2EA)};
  Scatter(P, 4, 3, 16, 10, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0)
      Balance(Q, R.Uniform(70, 86), Colors);
    else
      FillText(Q, {0, 0}, Pairs[(I / 2) % Pairs.size()], SerifFont(R.Uniform(19, 23)), QColor(0xD8D2EC));
  });
}

// Chapter 8: squares of (a + b) cut into their four parts, and the formulas.
void BinomialMotifs(QPainter& P) {
  const QStringList Formulas = {"(a + b)²", "a² + 2ab + b²", "(a − b)²", "(a + b)·(a − b)", "a² − b²",
                                "a² − 2ab + b²"};
  const TSquareColors Colors{QColor(0xF7DDD3), QColor(0xF5EACB), QColor(0xDDE7F3), QColor(0xEBCFC3),
                             QColor(0xE2BFB2)};
  Scatter(P, 4, 3, 18, 12, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0)
      BinomialSquare(Q, R.Uniform(62, 78), R.Uniform(0.56, 0.66), Colors, true);
    else
      FillText(Q, {0, 0}, Formulas[(I / 2) % Formulas.size()], SerifFont(R.Uniform(20, 24)), QColor(0xEDCFC4));
  });
}

// Chapter 9: factor trees and sums turned into products.
void FactorMotifs(QPainter& P) {
  struct TTree {
    const char *Root, *Left, *Right, *LL, *LR;
  };
  const TTree Trees[] = {{"12", "4", "3", "2", "2"}, {"10", "2", "5", "", ""},  {"30", "6", "5", "2", "3"},
                         {"15", "3", "5", "", ""},   {"18", "6", "3", "2", "3"}, {"14", "2", "7", "", ""}};
  const QStringList Sums = {"ab + ac = a(b + c)", "6x + 9 = 3(2x + 3)", "x² − 1", "4a + 4b", "x² + x = x(x + 1)",
                            "a² − b²"};
  const TTreeColors Colors{QColor(0xE3F2EC), QColor(0xC9E3DA), QColor(0xBCDCD1)};
  Scatter(P, 4, 3, 19, 8, [&](QPainter& Q, TRandom& R, int I) {
    if (I % 2 == 0) {
      const TTree& T = Trees[(I / 2) % std::size(Trees)];
      FactorTree(Q, R.Uniform(84, 96) * (T.LL[0] ? 1.25 : 1.0), T.Root, T.Left, T.Right, T.LL, T.LR, Colors);
    } else {
      FillText(Q, {0, 0}, Sums[(I / 2) % Sums.size()], SerifFont(R.Uniform(19, 22)), QColor(0xC4E0D6));
    }
  });
}

// Chapter 10: ticks, stars, pencils and question marks of tasks to solve.
void TaskMotifs(QPainter& P) {
  Scatter(P, 6, 3, 20, 20, [&](QPainter& Q, TRandom& R, int I) {
    switch (I % 5) {
      case 0: CheckMark(Q, R.Uniform(30, 40), QColor(0xD3E8C8)); break;
      case 1: Star(Q, R.Uniform(32, 42), QColor(0xF8ECC0), QColor(0xEEDBA0)); break;
      case 2: Pencil(Q, R.Uniform(56, 70), QColor(0xDCE5F3), QColor(0xF3E3CB), QColor(0xCBD7EA)); break;
      case 3: FillText(Q, {0, 0}, "?", SansFont(R.Uniform(36, 46), true), QColor(0xE9DCEF)); break;
      default: FillText(Q, {0, 0}, "x = ?", SerifFont(R.Uniform(20, 24)), QColor(0xF0D9CB)); break;
    }
  });
}

}  // namespace

TArtPicture DrawChapterBackground(int Chapter) {
  struct TTheme {
    int Chapter;
    QRgb Base;
    void (*Motifs)(QPainter&);
  };
  static const TTheme Themes[] = {{0, 0xEEF4FB, StartMotifs},  {1, 0xFFF8E8, RuleMotifs},
                                  {2, 0xF4F9EF, SetUpMotifs},  {3, 0xF6F2FB, ReadMotifs},
                                  {4, 0xF5F4FC, EquivalenceMotifs},
                                  {8, 0xFDF4F0, BinomialMotifs}, {9, 0xF0F8F5, FactorMotifs},
                                  {10, 0xFFFBEC, TaskMotifs}};
  for (const TTheme& T : Themes)
    if (T.Chapter == Chapter) {
      QImage Image = NewImage(kPageWidth, kPageHeight, QColor(T.Base));
      {
        TPainter P(&Image);
        T.Motifs(P);
      }
      return Finish(std::move(Image), QColor(T.Base));
    }
  return {};
}
