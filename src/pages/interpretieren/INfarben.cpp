#include "pages/interpretieren/INfarben.h"

#include <array>

#include "components/XShapes.h"
#include "pages/CheckGroups.h"
#include "platform/MaskEdit.h"
#include "shell/MessageProcs.h"

namespace {

// The colour numbers of the nine fields, in check order, and the line each
// one reports when it is wrong (-2 the second last, -1 the last).
struct TColourField {
  int Number;
  int Line;
};
constexpr std::array<TColourField, 9> Fields = {{
    {0, 1},          // black
    {255, 2},        // red
    {65280, 3},      // lime
    {16711680, 4},   // blue
    {65535, 5},      // yellow
    {16777215, 6},   // white
    {32768, 7},      // green: g = 128
    {8388608, -2},   // navy: b = 128
    {8388736, -1},   // purple: r = b = 128
}};

// The largest colour number: 255 in each of r, g and b.
constexpr int WhiteNumber = 16777215;

}  // namespace

std::optional<int> ColourNumber(const QString& Text) {
  QString Digits = Text;
  Digits.remove(QLatin1Char(' '));
  if (Digits.isEmpty() || Digits.size() > 9) return std::nullopt;
  for (const QChar C : Digits)
    if (C < QLatin1Char('0') || C > QLatin1Char('9')) return std::nullopt;
  return Digits.toInt();
}

TfmINfarben::TfmINfarben(QWidget* Parent)
    : TExercisePage(Parent, {"MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4", "MaskEdit5", "MaskEdit6",
                             "MaskEdit7", "MaskEdit8", "MaskEdit9"}) {}

void TfmINfarben::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  for (size_t I = 0; I < Fields.size(); ++I) {
    TMaskEdit* Field = Masked(static_cast<int>(I) + 1);
    const int Expected = Fields[I].Number;
    // The report numbers lines in check order; the frame shows which field.
    Check.Line(Fields[I].Line,
               TAnswerTest([Field, Expected] { return ColourNumber(Field->Text()) == Expected; }, {Field}));
  }
  if (Check.Passed()) ShowPraise();
}

void TfmINfarben::MMButton1Click(QObject*) {
  const std::optional<int> Number = ColourNumber(Component<TMaskEdit>(QStringLiteral("MaskEdit10"))->Text());
  if (!Number || *Number > WhiteNumber) {
    ShowInfo(QStringLiteral("Eine Farbzahl ist eine ganze Zahl von 0 bis 16777215."));
    return;
  }
  Component<TXShape>(QStringLiteral("XShape10"))->Brush()->SetColor(*Number);
}
