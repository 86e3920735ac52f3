#include "platform/Graphics.h"

#include "platform/Fonts.h"

TPen::TPen(QObject* Parent) : QObject(Parent) {}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  emit Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  emit Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  if (Value == FWidth) return;
  FWidth = Value;
  emit Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  emit Changed();
}

void TPen::Assign(const TPen& Source) {
  if (&Source == this) return;
  if (FColor == Source.FColor && FStyle == Source.FStyle && FWidth == Source.FWidth && FMode == Source.FMode) return;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  FWidth = Source.FWidth;
  FMode = Source.FMode;
  emit Changed();
}

TBrush::TBrush(QObject* Parent) : QObject(Parent) {}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  emit Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  emit Changed();
}

void TBrush::Assign(const TBrush& Source) {
  if (&Source == this) return;
  if (FColor == Source.FColor && FStyle == Source.FStyle) return;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  emit Changed();
}

TFont::TFont(QObject* Parent) : QObject(Parent) {}

void TFont::SetName(const QString& Value) {
  if (Value == FName) return;
  FName = Value;
  emit Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  emit Changed();
}

int TFont::Size() const { return FontSpec().Size(); }

void TFont::SetSize(int Points) {
  TFontSpec S;
  S.SetSize(Points);
  SetHeight(S.Height);
}

void TFont::SetStyle(int Value) {
  const TFontStyles Bits = static_cast<TFontStyles>(Value) & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
  if (Bits == FStyle) return;
  FStyle = Bits;
  emit Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  emit Changed();
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this) return;
  SetSpec(Source.FontSpec());
}

TFontSpec TFont::FontSpec() const {
  TFontSpec S;
  S.Name = FName.toStdString();
  S.Height = FHeight;
  S.Style = FStyle;
  S.Color = FColor;
  return S;
}

void TFont::SetSpec(const TFontSpec& FontSpec) {
  const QString Name = QString::fromStdString(FontSpec.Name);
  const TFontStyles Style = FontSpec.Style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
  if (Name == FName && FontSpec.Height == FHeight && Style == FStyle && FontSpec.Color == FColor) return;
  FName = Name;
  FHeight = FontSpec.Height;
  FStyle = Style;
  FColor = FontSpec.Color;
  emit Changed();
}

QFont TFont::ToQFont() const { return MakeQFont(FontSpec()); }
