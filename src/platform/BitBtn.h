#pragma once
// TBitBtn: a push button with a small picture for its kind. A button with a
// ModalResult closes its modal form with that result when clicked; the
// form's Default button answers Enter and its Cancel button Escape.
#include "platform/Controls.h"
#include "platform/Dialogs.h"

class QPushButton;

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

class TBitBtn : public TControl {
  Q_OBJECT
  Q_PROPERTY(TBitBtnKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
  Q_PROPERTY(bool Default READ Default WRITE SetDefault)
  Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
 public:
  explicit TBitBtn(QWidget* Parent = nullptr);
  ~TBitBtn() override;

  TBitBtnKind Kind() const { return FKind; }
  // bkOK: "OK", Default, mrOk; bkCancel: "Abbrechen", Cancel, mrCancel.
  // bkCustom keeps caption and settings and shows no picture.
  void SetKind(TBitBtnKind Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }

  // Sets the modal result of the form the button is on, then raises OnClick.
  void Click() override;
  void SetFocus();
  QPushButton* Button() const { return FButton; }
  // The button is read by its own text.
  QString FieldName() const override { return {}; }

 protected:
  void CaptionChanged() override;
  void FontChanged() override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  QPushButton* FButton;  // child
  TBitBtnKind FKind = bkCustom;
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};
