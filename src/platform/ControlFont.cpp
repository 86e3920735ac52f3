#include "platform/ControlFont.h"

TFontStandIn::TFontStandIn(QObject* Parent) : QObject(Parent) {}

void TFontStandIn::SetSpec(const TFontSpec& Spec) {
  if (FSpec == Spec) return;
  FSpec = Spec;
  emit Changed();
}

void TFontStandIn::SetColor(TColor Value) {
  TFontSpec S = FSpec;
  S.Color = Value;
  SetSpec(S);
}

void TFontStandIn::SetHeight(int Value) {
  TFontSpec S = FSpec;
  S.Height = Value;
  SetSpec(S);
}

void TFontStandIn::SetName(const QString& Value) {
  TFontSpec S = FSpec;
  S.Name = Value.toStdString();
  SetSpec(S);
}

void TFontStandIn::SetSize(int Value) {
  TFontSpec S = FSpec;
  S.SetSize(Value);
  SetSpec(S);
}

void TFontStandIn::SetStyle(TFontStyles Value) {
  TFontSpec S = FSpec;
  S.Style = Value;
  SetSpec(S);
}

QFont TFontStandIn::ToQFont() const {
  QFont F(QString::fromStdString(FSpec.Name));
  // Negative heights give the character height; positive ones the cell,
  // of which the character takes about four fifths.
  int Pixels = FSpec.Height < 0 ? -FSpec.Height : FSpec.Height * 4 / 5;
  F.setPixelSize(Pixels > 0 ? Pixels : 1);
  F.setBold(FSpec.Style & fsBold);
  F.setItalic(FSpec.Style & fsItalic);
  F.setUnderline(FSpec.Style & fsUnderline);
  F.setStrikeOut(FSpec.Style & fsStrikeOut);
  return F;
}
