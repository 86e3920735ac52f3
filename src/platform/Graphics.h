#pragma once
// The drawing tools a canvas owns: pen, brush and font. Each is a QObject with
// published properties (so form files can set "Font.Height = -13"), is copied
// by Assign, and announces every change with Changed().
#include <QFont>
#include <QObject>
#include <QString>

#include "common/Colors.h"
#include "common/CoreCanvas.h"

namespace Gfx {
Q_NAMESPACE

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

// How the pen and the brush of shapes combine with the pixels below.
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
Q_ENUM_NS(TPenMode)

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

}  // namespace Gfx

using Gfx::TBrushStyle;
using Gfx::TPenMode;
using Gfx::TPenStyle;
using enum Gfx::TPenStyle;
using enum Gfx::TPenMode;
using enum Gfx::TBrushStyle;

class TPen : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(Gfx::TPenStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(Gfx::TPenMode Mode READ Mode WRITE SetMode)

 public:
  explicit TPen(QObject* Parent = nullptr);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // Width 0 draws like width 1, as a thin line.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

  void Assign(const TPen& Source);

 signals:
  void Changed();

 private:
  TColor FColor = clBlack;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
  TPenMode FMode = pmCopy;
};

class TBrush : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(Gfx::TBrushStyle Style READ Style WRITE SetStyle)

 public:
  explicit TBrush(QObject* Parent = nullptr);

  TColor Color() const { return FColor; }
  // Picking a colour makes a clear brush solid again.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  void Assign(const TBrush& Source);

 signals:
  void Changed();

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

// Font: a name from the designs (resolved through the substitution table when
// drawn), Height in pixels (negative: character height, positive: cell
// height), Size in points at 96 dpi, Style as TFontStyle bits.
class TFont : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(int Size READ Size WRITE SetSize)
  Q_PROPERTY(int Style READ Style WRITE SetStyle)
  Q_PROPERTY(int Color READ Color WRITE SetColor)

 public:
  explicit TFont(QObject* Parent = nullptr);

  QString Name() const { return FName; }
  void SetName(const QString& Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  int Size() const;
  void SetSize(int Points);
  int Style() const { return static_cast<int>(FStyle); }
  void SetStyle(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  void Assign(const TFont& Source);
  TFontSpec FontSpec() const;
  void SetSpec(const TFontSpec& Font);
  // The Qt font to draw with (substituted family, pixel size).
  QFont ToQFont() const;

 signals:
  void Changed();

 private:
  QString FName = QStringLiteral("Tahoma");
  int FHeight = -11;
  TFontStyles FStyle = 0;
  TColor FColor = clWindowText;
};
