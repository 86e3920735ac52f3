#pragma once
// The font a control publishes as "Font" (Font.Name, Font.Height, ...).
//
// A small stand-in until the platform's TFont is available: controls reach
// it only through TControl::Font()/SetFont() and the Changed signal, so the
// alias TControlFont is the one place to swap.
#include <QFont>
#include <QObject>
#include <QString>

#include "common/CoreCanvas.h"

class TFontStandIn : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
  Q_PROPERTY(uint Style READ Style WRITE SetStyle)
 public:
  explicit TFontStandIn(QObject* Parent = nullptr);

  TColor Color() const { return FSpec.Color; }
  void SetColor(TColor Value);
  int Height() const { return FSpec.Height; }
  void SetHeight(int Value);
  QString Name() const { return QString::fromStdString(FSpec.Name); }
  void SetName(const QString& Value);
  int Size() const { return FSpec.Size(); }
  void SetSize(int Value);
  TFontStyles Style() const { return FSpec.Style; }
  void SetStyle(TFontStyles Value);

  const TFontSpec& Spec() const { return FSpec; }
  void SetSpec(const TFontSpec& Spec);
  void Assign(const TFontStandIn& Source) { SetSpec(Source.FSpec); }
  QFont ToQFont() const;

 signals:
  void Changed();

 private:
  TFontSpec FSpec;
};

using TControlFont = TFontStandIn;
