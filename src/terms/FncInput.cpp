#include "terms/FncInput.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <string>

#include "platform/BitBtn.h"
#include "platform/Canvas.h"
#include "platform/Edit.h"
#include "platform/PaintBox.h"
#include "platform/StdControls.h"
#include "scene/MMButton.h"
#include "terms/MMTerm.h"
#include "terms/SpokenTerm.h"
#include "terms/TermFace.h"

namespace {

QPointer<TfmFncInput>& TheWindow() {
  static QPointer<TfmFncInput> Window;
  return Window;
}

// What each input button puts in place of the selection; "C" (nothing to
// insert) clears the field.
struct TInputButton {
  const char* Name;
  const char* Inserts;
};
constexpr TInputButton InputButtons[] = {
    {"MMButton1", "("}, {"MMButton2", ")"}, {"MMButton3", "^"}, {"MMButton4", ":"}, {"MMButton5", "*"},
    {"MMButton6", "/"}, {"MMButton7", "+"}, {"MMButton8", "-"}, {"MMButton9", "="}, {"MMButton10", nullptr},
};

// What the preview shows while the field is empty.
std::unique_ptr<TTerm> Placeholder() { return std::make_unique<TText>("?"); }

// Space between the window and the term box.
constexpr int BoxGap = 4;

// V moved into Low ... High; Low when the range is empty.
int Within(int V, int Low, int High) { return std::max(Low, std::min(V, High)); }

int OverlapArea(const QRect& A, const QRect& B) {
  const QRect Common = A.intersected(B);
  return Common.isEmpty() ? 0 : Common.width() * Common.height();
}

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
TLabel* TfmFncInput::LabelProblem() const { return Component<TLabel>(QStringLiteral("LabelProblem")); }
TMMButton* TfmFncInput::MMButton(int N) const { return Component<TMMButton>(QStringLiteral("MMButton%1").arg(N)); }

QPoint PlaceBesideBox(const QRect& Box, const QSize& Window, const QRect& Screen) {
  const int W = Window.width();
  const int H = Window.height();
  const int AlongX = Within(Box.left(), Screen.left(), Screen.right() + 1 - W);
  const int AlongY = Within(Box.top(), Screen.top(), Screen.bottom() + 1 - H);
  const QPoint Sides[] = {
      {AlongX, Box.bottom() + 1 + BoxGap},  // below
      {AlongX, Box.top() - BoxGap - H},     // above
      {Box.right() + 1 + BoxGap, AlongY},   // right
      {Box.left() - BoxGap - W, AlongY},    // left
  };
  for (const QPoint& P : Sides)
    if (Screen.contains(QRect(P, Window))) return P;
  // No side has room: of the sides pushed onto the screen and the screen's
  // corners, the place that covers least of the box.
  const int Right = Screen.right() + 1 - W;
  const int Bottom = Screen.bottom() + 1 - H;
  const QPoint Corners[] = {{Screen.left(), Screen.top()}, {Right, Screen.top()}, {Screen.left(), Bottom}, {Right, Bottom}};
  QPoint Best;
  int BestCover = -1;
  const auto Consider = [&](const QPoint& P) {
    const QPoint OnScreen(Within(P.x(), Screen.left(), Right), Within(P.y(), Screen.top(), Bottom));
    const int Cover = OverlapArea(QRect(OnScreen, Window), Box);
    if (BestCover < 0 || Cover < BestCover) Best = OnScreen, BestCover = Cover;
  };
  for (const QPoint& P : Sides) Consider(P);
  for (const QPoint& P : Corners) Consider(P);
  return Best;
}

TTermInput TfmFncInput::Execute(const QWidget* Beside, const QString& Initial) {
  FBeside.reset();
  if (Beside) FBeside = QRect(Beside->mapToGlobal(QPoint(0, 0)), Beside->size());
  FInitial = Initial;
  const TModalResult Result = ShowModal();
  FBeside.reset();
  if (Result != mrOk) return std::nullopt;
  return Edit1()->Text();
}

void TfmFncInput::FormCreate(QObject*) {
  setFixedSize(size());
  // What a screen reader calls the field, the preview and the input buttons.
  Edit1()->LineEdit()->setAccessibleName(QStringLiteral("Term"));
  Edit1()->LineEdit()->setAccessibleDescription(
      QStringLiteral("Tippe den Term ein; Enter übernimmt ihn, Escape bricht ab."));
  PaintBox1()->setAccessibleName(QStringLiteral("Vorschau"));
  static const char* const ButtonNames[] = {"Klammer auf", "Klammer zu", "hoch",  "geteilt durch", "mal",
                                            "Bruchstrich", "plus",       "minus", "gleich",        "Feld leeren"};
  for (int N = 1; N <= 10; ++N) MMButton(N)->setAccessibleName(QString::fromUtf8(ButtonNames[N - 1]));
}

void TfmFncInput::ShowPreviewTerm() {
  PaintBox1()->setAccessibleDescription(QString::fromStdString(SpokenTerm(*FTerm)));
  PaintBox1()->update();
}

void TfmFncInput::FormShow(QObject*) {
  if (FBeside) {
    const QScreen* Screen = QGuiApplication::screenAt(FBeside->center());
    if (!Screen) Screen = QGuiApplication::primaryScreen();
    // The frame counts too; its size is known once the window has been shown.
    const QSize Outer = frameGeometry().size().expandedTo(size());
    if (Screen) move(PlaceBesideBox(*FBeside, Outer, Screen->availableGeometry()));
  }
  // Setting the field parses its text for the preview; an empty field shows
  // the placeholder.
  Edit1()->SetText(FInitial);
  Edit1Change(Edit1());
  if (FInitial.isEmpty()) FTerm = Placeholder();
  Edit1()->SetFocus();
  Edit1()->LineEdit()->end(false);
  LabelProblem()->SetVisible(false);
  ShowPreviewTerm();
}

void TfmFncInput::BitBtn1Click(QObject*) {
  const QString Problem = TermInputProblem(Edit1()->Text());
  if (Problem.isEmpty()) {
    SetModalResult(mrOk);
    return;
  }
  LabelProblem()->SetCaption(Problem);
  LabelProblem()->SetVisible(true);
  Edit1()->SetFocus();
}

void TfmFncInput::FormKeyDown(QObject*, int& Key, int) {
  if (Key != Qt::Key_Delete) return;
  Edit1()->Clear();
  Key = 0;
}

void TfmFncInput::Edit1Change(QObject*) {
  LabelProblem()->SetVisible(false);
  FTerm = TTerm::ParseTerm(Edit1()->Text().toStdString());
  ShowPreviewTerm();
}

void TfmFncInput::DrawPreview(TCanvas& Canvas) const {
  Canvas.Font().SetName(QString::fromLatin1(TermFaceName));
  Canvas.Font().SetSize(PreviewPoints);
  Canvas.Font().SetStyle(0);
  Canvas.Font().SetColor(clBlack);
  constexpr int Left = 4, MinTop = 4;
  const int RoomWidth = PaintBox1()->width() - 2 * Left;
  const TSize Room{RoomWidth, PaintBox1()->height() - 2 * MinTop};
  TFontSpec Smallest;
  Smallest.SetSize(MinPreviewPoints);
  int X = Left;
  int Top = MinTop;
  try {
    if (!FitTermFont(Canvas.Core(), *FTerm, Room, -Smallest.Height)) {
      // Still too wide: the right end stays in view, where the pupil types.
      const int Width = FTerm->Measure(Canvas.Core()).cx;
      if (Width > RoomWidth) X = Left + RoomWidth - Width;
    }
    // Centred between the top and the bottom of the preview.
    Top = CentredTermTop(Canvas, *FTerm, PaintBox1()->height(), MinTop);
  } catch (const std::exception&) {
    // DrawTermAt shows "?" for a term that cannot be drawn.
  }
  DrawTermAt(Canvas, *FTerm, X, Top);
}

void TfmFncInput::PaintBox1Paint(QObject*) {
  if (TCanvas* Canvas = PaintBox1()->Canvas()) DrawPreview(*Canvas);
}

void TfmFncInput::MMButton1Click(QObject* Sender) {
  if (!Sender) return;
  const QString Name = Sender->objectName();
  for (const TInputButton& B : InputButtons)
    if (Name == QLatin1String(B.Name)) {
      if (B.Inserts)
        Edit1()->SetSelText(QString::fromLatin1(B.Inserts));
      else
        Edit1()->Clear();
      Edit1()->SetFocus();
      return;
    }
}
