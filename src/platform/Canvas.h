#pragma once
// TCanvas: drawing with the integer pixel rules of the classic desktop canvas
// over a QPainter. Shapes exclude their right and bottom edge, lines exclude
// their end pixel, outlines lie inside the figure, and nothing is
// antialiased except text. The canvas owns its pen, brush and font.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/CoreCanvas.h"
#include "common/Types.h"
#include "platform/Graphics.h"
#include "platform/RasterOp.h"

class TGraphic;
class TCanvas;

// Text background: opaque text fills its cell with the brush colour first.
// Every change of the brush resets it: opaque for a solid brush, else transparent.
enum TBkMode { bkTransparent, bkOpaque };

// Formats of TCanvas::DrawText (combine with |).
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;  // single line only
constexpr unsigned DT_BOTTOM = 0x0008;   // single line only
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;  // only measure: sets Right and Bottom
constexpr unsigned DT_NOPREFIX = 0x0800;  // "&" is plain text

// The core drawing interface over a TCanvas (see TCanvas::Core()). Its text
// is always drawn with a transparent background, and it leaves the canvas so.
class TCanvasCore final : public TCoreCanvas {
 public:
  explicit TCanvasCore(TCanvas& Canvas) : FCanvas(Canvas) {}
  TFontSpec GetFont() const override;
  void SetFont(const TFontSpec& Font) override;
  TSize TextExtent(const std::string& Text) override;
  TInkSpan TextInk(const std::string& Text) override;
  void TextOut(int X, int Y, const std::string& Text) override;
  TColor PenColor() const override;
  void SetPenColor(TColor Color) override;
  void MoveTo(int X, int Y) override;
  void LineTo(int X, int Y) override;
  void Polyline(const std::vector<TPoint>& Points) override;

 private:
  TCanvas& FCanvas;
};

class TCanvas {
 public:
  TCanvas();
  // Paints on Device (a widget inside its paint event, a QImage, a QPixmap).
  // Painting begins with the first drawing call and ends with EndPaint or
  // the destruction of the canvas.
  explicit TCanvas(QPaintDevice* Device);
  // Draws through a painter that is already active and stays the caller's;
  // the canvas changes its state (composition mode, pen, font) as it draws.
  explicit TCanvas(QPainter* Painter);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  void SetDevice(QPaintDevice* Device);
  QPaintDevice* Device() const { return FDevice; }
  // The device when it is a QImage (pixels can be read back), else nullptr.
  QImage* Image() const;
  // Ends painting, e.g. before the device image is resized or its rows are
  // written directly; the next drawing call begins again.
  void EndPaint();
  // The active painter for drawing with Qt directly (nullptr without device).
  QPainter* Painter();

  TPen& Pen() { return *FPen; }
  const TPen& Pen() const { return *FPen; }
  TBrush& Brush() { return *FBrush; }
  const TBrush& Brush() const { return *FBrush; }
  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }
  void SetPen(const TPen& Pen) { FPen->Assign(Pen); }
  void SetBrush(const TBrush& Brush) { FBrush->Assign(Brush); }
  void SetFont(const TFont& Font) { FFont->Assign(Font); }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint P) { FPenPos = P; }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Mode) { FCopyMode = Mode; }
  TBkMode BkMode() const { return FBkMode; }
  void SetBkMode(TBkMode Mode) { FBkMode = Mode; }

  // The area drawing can reach: the device (or painter window) intersected
  // with the clip rectangle.
  TRect ClipRect() const;
  void SetClipRect(const TRect& R);
  void ClearClipRect();

  TCanvasCore& Core() { return FCore; }

  // Lines: pen; the end pixel is excluded, so joined segments share no pixel.
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(const std::vector<TPoint>& Points);
  // Cubic Bezier segments: start point plus three points per segment.
  void PolyBezier(const std::vector<TPoint>& Points);
  // Arc of the ellipse in (X1, Y1, X2, Y2), counter-clockwise from the ray
  // towards (X3, Y3) to the ray towards (X4, Y4).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);

  // Figures: outline with the pen inside the rectangle, interior with the
  // brush. With a clear pen the interior alone is filled, one pixel smaller
  // at the right and bottom.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // Corners are quarter ellipses of X3 x Y3 pixels.
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  // Closed polygon: brush interior (alternate filling), pen outline through
  // every vertex.
  void Polygon(const std::vector<TPoint>& Points);

  // Brush only (pen mode ignored): fill, and a one-pixel frame.
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  // Inverts every other pixel of the frame; drawing it twice removes it.
  void DrawFocusRect(const TRect& R);

  TColor Pixel(int X, int Y) const;  // clNone when unreadable
  void SetPixel(int X, int Y, TColor Color);

  // Text: (X, Y) is the top left of the text cell; the font colour is
  // Font.Color. TextOut moves the pen position to the end of the text.
  void TextOut(int X, int Y, const QString& Text);
  TSize TextExtent(const QString& Text) const;
  int TextWidth(const QString& Text) const { return TextExtent(Text).cx; }
  // The columns the glyphs of Text ink, from the left edge of its cell.
  TInkSpan TextInk(const QString& Text) const;
  int TextHeight(const QString& Text) const { return TextExtent(Text).cy; }
  // Text at (X, Y) clipped to R; with an opaque background R is filled first.
  void TextRect(const TRect& R, int X, int Y, const QString& Text);
  // Formatted text in R (DT_ flags). "&x" underlines x unless DT_NOPREFIX,
  // "&&" is a plain "&". Returns the height of the text.
  int DrawText(const QString& Text, TRect& R, unsigned Format);

  // Pictures: Draw at its own size, StretchDraw into R. Both use CopyMode;
  // a graphic marked transparent leaves its transparent colour out.
  void Draw(int X, int Y, const TGraphic& Graphic);
  void StretchDraw(const TRect& R, const TGraphic& Graphic);
  // Copies SourceRect of Source into Dest (stretched) with CopyMode.
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);
  // The block transfer underneath: SourceRect of Image into Dest with the
  // raster operation; the brush colour is the pattern. Stretching picks the
  // nearest pixel. A negative width mirrors left-right: Dest.Left is then the
  // column of the picture's first column, and the columns Dest.Right + 1 ..
  // Dest.Left are covered (likewise for a negative height). With
  // TransparentColor, pixels of that colour are left out.
  void DrawImage(const TRect& Dest, const QImage& Image, const TRect& SourceRect, TCopyMode Rop,
                 std::optional<TColor> TransparentColor = std::nullopt);
  // The pixels of R as an opaque image (black where nothing can be read).
  QImage GrabImage(const TRect& R);

 private:
  QPainter* Begin();
  void DrawShape(const TRect& R, int CornerW, int CornerH, bool Elliptic);
  void StrokeSegments(const std::vector<TPoint>& Points, bool Closed);
  bool SetupPenMode(QPainter& P) const;
  QColor PenModeColor(TColor Color) const;
  QBrush FillBrush(bool WithPenMode) const;
  const QFont& QtFont() const;
  const QFontMetrics& Metrics() const;
  void DrawTextLine(QPainter& P, int X, int Y, const QString& Line, int Underline);
  void BlendOnto(QPainter& P, const QRect& Target, QImage Source, TCopyMode Rop);

  QPaintDevice* FDevice = nullptr;
  QPainter* FPainter = nullptr;
  std::unique_ptr<QPainter> FOwnPainter;
  bool FBorrowed = false;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  TPoint FPenPos;
  TCopyMode FCopyMode = SRCCOPY;
  TBkMode FBkMode = bkOpaque;
  std::optional<TRect> FClip;
  mutable std::optional<QFont> FQtFont;
  mutable std::optional<QFontMetrics> FMetrics;
  TCanvasCore FCore{*this};
};

// Three-dimensional frame of Width rings around Rect: top and left in
// TopColor, bottom and right in BottomColor. Rect shrinks by Width on every
// side; the pen is left one pixel wide in BottomColor.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// Block transfers between canvases with a raster operation.
void BitBlt(TCanvas& Dest, int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, TCopyMode Rop);
void StretchBlt(TCanvas& Dest, int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, TCopyMode Rop);
