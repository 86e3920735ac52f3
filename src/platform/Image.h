#pragma once
// TImage: shows a picture at its own size from the top left corner, centred,
// or stretched over the control (optionally keeping the picture's
// proportions). Pages also keep hidden images just as stores of pictures.
#include "platform/Controls.h"
#include "platform/Picture.h"

class TImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(TPicture* Picture READ Picture WRITE SetPicture)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
 public:
  explicit TImage(QWidget* Parent = nullptr);

  TPicture* Picture() const { return FPicture; }
  // Copies the picture of Value.
  void SetPicture(TPicture* Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Where the picture is drawn inside the control.
  TRect DestRect() const;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  void PictureChanged();

  TPicture* FPicture;  // owned (child object)
  bool FAutoSize = false;
  bool FCenter = false;
  bool FProportional = false;
  bool FStretch = false;
  bool FTransparent = false;
};
