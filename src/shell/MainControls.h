#pragma once
// The tool bar's colour gradient.
#include <QWidget>

#include "common/Colors.h"

// A horizontal gradient from Color1 at the left to Color2 at the right, in
// bands of Band pixels.
class TGradientBar : public QWidget {
  Q_OBJECT
 public:
  TGradientBar(TColor Color1, TColor Color2, int Band, QWidget* Parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TColor FColor1;
  TColor FColor2;
  int FBand;
};
