#pragma once
// TControl: the base of every visible component in a design. It publishes
// position, size, alignment, caption, colour, font, visibility, hints and
// the cursor, lays out aligned children (alTop, alBottom, alLeft, alRight,
// then alClient take their slices of the client area) and raises OnClick.
#include <QWidget>

#include "common/Colors.h"
#include "platform/Convert.h"
#include "platform/Events.h"
#include "platform/Graphics.h"
#include "platform/Streamable.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

class TControl : public QWidget, public TStreamable {
  Q_OBJECT
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
 public:
  explicit TControl(QWidget* Parent = nullptr);
  ~TControl() override;

  TNotifyEvent OnClick;

  int Left() const { return x(); }
  void SetLeft(int Value) { SetBounds(Value, Top(), Width(), Height()); }
  int Top() const { return y(); }
  void SetTop(int Value) { SetBounds(Left(), Value, Width(), Height()); }
  int Width() const { return width(); }
  void SetWidth(int Value) { SetBounds(Left(), Top(), Value, Height()); }
  int Height() const { return height(); }
  void SetHeight(int Value) { SetBounds(Left(), Top(), Width(), Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool Value) { setEnabled(Value); }
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value);
  QString Hint() const { return FHint; }
  void SetHint(const QString& Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int Value) { FTabOrder = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // Whether the control shows when its parent does.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  // Colour and font that follow the parent's are not stored.
  bool IsStored(const QString& Property) const override;

  // Lays out the aligned children again.
  void Realign();
  // Raises OnClick; controls with their own click behaviour override it.
  virtual void Click();

  // The name a screen reader gives the Qt field inside a control that hands
  // its focus to one (edit, list, combo): the text beside the control, else
  // "Eingabefeld N". Empty leaves the field its own name (a button's text).
  virtual QString FieldName() const;

 signals:
  // What the pupil answered with this control changed: its caption (a term
  // box), its text (a field) or its chosen item (a list).
  void ValueChanged();

 protected:
  virtual void CaptionChanged() { update(); }
  virtual void FontChanged() { update(); }
  virtual void ColorChanged() { update(); }
  void changeEvent(QEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  // Names the field inside anew: labels may have appeared meanwhile.
  void showEvent(QShowEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  void AdoptParentLooks();
  void OwnFontChanged();
  void TellChildren();
  void ApplyToolTip();

  TAlign FAlign = alNone;
  QString FCaption;
  QString FFieldName;  // the name given to the field inside last
  TColor FColor = clBtnFace;
  TCursor FCursor = crDefault;
  TFont* FFont;  // owned (child object)
  QString FHint;
  bool FParentColor = true;
  bool FParentFont = true;
  bool FShowHint = false;
  int FTabOrder = -1;
  int FTag = 0;
  bool FVisible = true;
  bool FAdopting = false;
  bool FAligning = false;
  bool FPressed = false;
};

// Controls that show one Qt field over their whole client area (edit, list,
// tree): the field takes the control's font with its colour, and the
// control's colour as its background.
void ShowFontInField(QWidget* Field, const TFont& Font);
void ShowColorInField(QWidget* Field, TColor Color);
