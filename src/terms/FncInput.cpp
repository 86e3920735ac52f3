#include "terms/FncInput.h"

#include <QPointer>
#include <string>

#include "platform/BitBtn.h"
#include "platform/Canvas.h"
#include "platform/Edit.h"
#include "platform/PaintBox.h"
#include "scene/mm_button.h"
#include "terms/MMTerm.h"

namespace {

QPointer<TfmFncInput>& TheWindow() {
  static QPointer<TfmFncInput> Window;
  return Window;
}

// What each input button puts in place of the selection. "C" puts the
// control character 7, which the term scanner skips.
struct TInputButton {
  const char* Name;
  const char* Inserts;
};
constexpr TInputButton InputButtons[] = {
    {"MMButton1", "("}, {"MMButton2", ")"}, {"MMButton3", "^"}, {"MMButton4", ":"}, {"MMButton5", "*"},
    {"MMButton6", "/"}, {"MMButton7", "+"}, {"MMButton8", "-"}, {"MMButton9", "="}, {"MMButton10", "\a"},
};

std::unique_ptr<TTerm> Placeholder() { return std::make_unique<TText>(std::string(1, '\x7f')); }

}  // namespace

TfmFncInput::TfmFncInput(QWidget* Parent) : TForm(Parent), FTerm(Placeholder()) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  if (!TheWindow()) TheWindow() = this;
}

TfmFncInput::~TfmFncInput() = default;

TfmFncInput* TfmFncInput::Instance() { return TheWindow().data(); }

TEdit* TfmFncInput::Edit1() const { return Component<TEdit>(QStringLiteral("Edit1")); }
TPaintBox* TfmFncInput::PaintBox1() const { return Component<TPaintBox>(QStringLiteral("PaintBox1")); }
TBitBtn* TfmFncInput::BitBtn1() const { return Component<TBitBtn>(QStringLiteral("BitBtn1")); }
TBitBtn* TfmFncInput::BitBtn2() const { return Component<TBitBtn>(QStringLiteral("BitBtn2")); }
TMMButton* TfmFncInput::MMButton(int N) const { return Component<TMMButton>(QStringLiteral("MMButton%1").arg(N)); }

TTermInput TfmFncInput::Execute() {
  if (ShowModal() != mrOk) return std::nullopt;
  return Edit1()->Text();
}

void TfmFncInput::FormCreate(QObject*) { setFixedSize(size()); }

void TfmFncInput::FormShow(QObject*) {
  // The field first: clearing it parses the empty text, which the
  // placeholder then replaces.
  Edit1()->Clear();
  FTerm = Placeholder();
  Edit1()->SetFocus();
  PaintBox1()->update();
}

void TfmFncInput::FormKeyDown(QObject*, int& Key, int) {
  if (Key != Qt::Key_Delete) return;
  Edit1()->Clear();
  Key = 0;
}

void TfmFncInput::Edit1Change(QObject*) {
  FTerm = TTerm::ParseTerm(Edit1()->Text().toStdString());
  PaintBox1()->update();
}

void TfmFncInput::DrawPreview(TCanvas& Canvas) const {
  Canvas.Font().SetName(QStringLiteral("Tahoma"));
  Canvas.Font().SetSize(10);
  Canvas.Font().SetStyle(0);
  Canvas.Font().SetColor(clBlack);
  DrawTermAt(Canvas, *FTerm, 4, 8);
}

void TfmFncInput::PaintBox1Paint(QObject*) {
  if (TCanvas* Canvas = PaintBox1()->Canvas()) DrawPreview(*Canvas);
}

void TfmFncInput::MMButton1Click(QObject* Sender) {
  if (!Sender) return;
  const QString Name = Sender->objectName();
  for (const TInputButton& B : InputButtons)
    if (Name == QLatin1String(B.Name)) {
      Edit1()->SetSelText(QString::fromLatin1(B.Inserts));
      Edit1()->SetFocus();
      return;
    }
}
