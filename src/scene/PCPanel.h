#pragma once
// TPCPanel: the background of a page. It renders its background (a plain
// colour, a gradient in stripes, or a picture stretched, tiled or tiled
// mirrored) once into a buffer whenever something about it changes, and
// copies that buffer to the screen at every paint. Translucent shapes
// (TPCShape) on it take their background from that buffer.
#include <QRect>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "scene/PCEvents.h"

class TPCShape;

enum TPCBackgroundMode : std::uint8_t {
  bmMonochrom,
  bmVFloat,
  bmHFloat,
  bmStretchImage,
  bmFillImage,
  bmSymmFillImage,
};

class TPCPanel : public TControl {
  Q_OBJECT
  Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(TPicture* Background READ Background WRITE SetBackground)
  Q_PROPERTY(TPCBackgroundMode BackgroundMode READ BackgroundMode WRITE SetBackgroundMode)
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(int Color2 READ Color2 WRITE SetColor2)
  Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)
  Q_PROPERTY(TPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

 public:
  explicit TPCPanel(QWidget* Parent = nullptr);
  ~TPCPanel() override;

  // After the background has been rendered, with the buffer's canvas.
  TNotifyCanvasEvent OnBackgroundPaint;
  // At every paint, with a canvas holding a copy of the background.
  TNotifyCanvasEvent OnPaint;

  TPicture* Background() const { return FBackground; }
  // Copies the picture.
  void SetBackground(TPicture* Value);
  TPCBackgroundMode BackgroundMode() const { return FBackgroundMode; }
  void SetBackgroundMode(TPCBackgroundMode Value);
  TColor Color2() const { return FColor2; }
  void SetColor2(TColor Value);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value);

  // The rendered background, rendered first when it is out of date.
  TBitmap& Buffer();

  // Renders the background buffer.
  virtual void PaintBackground();
  // Marks out of date and repaints every shape after Shape in z-order whose
  // bounds meet Area (panel coordinates).
  virtual void RepaintShapesAbove(TPCShape* Shape, const QRect& Area);
  // Marks out of date and repaints every shape.
  virtual void RepaintAllShapes();
  virtual void InvalidateArea(const QRect& Area, bool Erase);

  // A new bitmap of Area's size holding the background under Area with every
  // visible shape below Shape (in z-order) that meets Area drawn over it.
  std::unique_ptr<TBitmap> BackgroundPart(const TPCShape* Shape, const QRect& Area);

  // The panel's shapes in z-order, bottom first.
  QList<TPCShape*> Shapes() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Renders once the design is read, with the handlers bound by then.
  void Loaded() override;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void ColorChanged() override { update(); }

 private:
  void PaintPlain();
  void PaintPicture();
  // PaintPlain and PaintPicture for a stretched picture, or their result
  // kept from an earlier panel with the same picture, size and fill.
  void PaintStretched();
  void BackgroundChanged();
  void SizeChanged();
  // Renders the background when something changed since the last render.
  void RenderStaleBackground();

  TPicture* FBackground;  // owned (child object)
  TPen* FPen;             // owned
  TBitmap FBuffer;
  bool FBackgroundStale = true;
  TPCBackgroundMode FBackgroundMode = bmMonochrom;
  TColor FColor2 = 0;
  bool FDoubleBuffered = false;
};
