#pragma once
// TBeam: a number line with an open arrow head, small ticks, labelled marks
// and a triangular pointer at a value. Font, Tag and Cursor come from the
// control base.
#include <memory>

#include "components/BeamLayout.h"
#include "components/XGraphicControl.h"
#include "platform/Graphics.h"

class QMouseEvent;

class TBeam : public TXGraphicControl {
  Q_OBJECT
  Q_PROPERTY(TPen* ArrowPen READ ArrowPen WRITE SetArrowPen)
  Q_PROPERTY(TBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(int ArrowSize READ ArrowSize WRITE SetArrowSize)
  Q_PROPERTY(int TickSize READ TickSize WRITE SetTickSize)
  Q_PROPERTY(int TickDistance READ TickDistance WRITE SetTickDistance)
  Q_PROPERTY(int MarkSize READ MarkSize WRITE SetMarkSize)
  Q_PROPERTY(int MarkDistance READ MarkDistance WRITE SetMarkDistance)
  Q_PROPERTY(double MarkRatio READ MarkRatio WRITE SetMarkRatio)
  Q_PROPERTY(int LeftOffset READ LeftOffset WRITE SetLeftOffset)
  Q_PROPERTY(int MarkWidth READ MarkWidth WRITE SetMarkWidth)
  Q_PROPERTY(double MarkOffset READ MarkOffset WRITE SetMarkOffset)
  Q_PROPERTY(TPen* TickPen READ TickPen WRITE SetTickPen)
  Q_PROPERTY(TPen* MarkPen READ MarkPen WRITE SetMarkPen)
  Q_PROPERTY(int MarkCount READ MarkCount WRITE SetMarkCount)
  Q_PROPERTY(double Pointer READ Pointer WRITE SetPointer)

 public:
  explicit TBeam(QWidget* Parent = nullptr);
  ~TBeam() override;

  void DrawAt(int X, int Y, TCanvas& Canvas) override;
  // The value the scale shows at pixel column X.
  virtual double ValueAt(int X) const;

  TPen* ArrowPen() const { return FArrowPen.get(); }
  void SetArrowPen(TPen* Value);
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  int ArrowSize() const { return FParams.ArrowSize; }
  void SetArrowSize(int Value) { Set(FParams.ArrowSize, Value); }
  int TickSize() const { return FParams.TickSize; }
  void SetTickSize(int Value) { Set(FParams.TickSize, Value); }
  int TickDistance() const { return FParams.TickDistance; }
  void SetTickDistance(int Value) { Set(FParams.TickDistance, Value); }
  int MarkSize() const { return FParams.MarkSize; }
  void SetMarkSize(int Value) { Set(FParams.MarkSize, Value); }
  int MarkDistance() const { return FParams.MarkDistance; }
  void SetMarkDistance(int Value) { Set(FParams.MarkDistance, Value); }
  double MarkRatio() const { return FParams.MarkRatio; }
  void SetMarkRatio(double Value) { Set(FParams.MarkRatio, Value); }
  int LeftOffset() const { return FParams.LeftOffset; }
  void SetLeftOffset(int Value) { Set(FParams.LeftOffset, Value); }
  int MarkWidth() const { return FParams.MarkWidth; }
  void SetMarkWidth(int Value) { Set(FParams.MarkWidth, Value); }
  double MarkOffset() const { return FParams.MarkOffset; }
  void SetMarkOffset(double Value) { Set(FParams.MarkOffset, Value); }
  TPen* TickPen() const { return FTickPen.get(); }
  void SetTickPen(TPen* Value);
  TPen* MarkPen() const { return FMarkPen.get(); }
  void SetMarkPen(TPen* Value);
  int MarkCount() const { return FParams.MarkCount; }
  void SetMarkCount(int Value) { Set(FParams.MarkCount, Value); }
  double Pointer() const { return FParams.Pointer; }
  void SetPointer(double Value) { Set(FParams.Pointer, Value); }

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // The layout parameters with the control's current size.
  TBeamParams Params() const;

 protected:
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  template <typename T>
  void Set(T& Field, T Value) {
    Field = Value;
    update();
  }


  std::unique_ptr<TPen> FArrowPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FTickPen;
  std::unique_ptr<TPen> FMarkPen;
  TBeamParams FParams;
};
