#include "shell/Nachricht.h"

#include <QAccessible>
#include <QKeyEvent>

#include "components/GIFImage.h"
#include "components/MyHtml.h"
#include "platform/Bitmap.h"
#include "platform/ControlAccessible.h"
#include "platform/Graphics.h"
#include "platform/StdControls.h"
#include "scene/MMBox.h"
#include "scene/MMButton.h"
#include "shell/Messages.h"
#include "shell/Pictures.h"

TfmNachricht::TfmNachricht(QWidget* Parent) : TForm(Parent) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
}

TfmNachricht::~TfmNachricht() = default;

TMiniHTML* TfmNachricht::MiniHTML1() const { return Component<TMiniHTML>(QStringLiteral("MiniHTML1")); }
TLabel* TfmNachricht::LabelTip() const { return Component<TLabel>(QStringLiteral("LabelTip")); }
TGIFImage* TfmNachricht::GIFImage6() const { return Component<TGIFImage>(QStringLiteral("GIFImage6")); }
TMMButton* TfmNachricht::MMButton1() const { return Component<TMMButton>(QStringLiteral("MMButton1")); }
TMMBox* TfmNachricht::MMBox1() const { return Component<TMMBox>(QStringLiteral("MMBox1")); }

void TfmNachricht::FormCreate(QObject*) {
  GIFImage6()->LoadFromData(PictureFile(QStringLiteral("figure.gif")));
  MMButton1()->SetIsDefault(true);  // Enter closes the window with OK
}

void TfmNachricht::MMButton1Click(QObject*) { SetModalResult(mrOk); }

void TfmNachricht::Execute(const QString& Caption, const QString& Text, const QString& Tip) {
  std::unique_ptr<TfmNachricht> Window = CreateForm<TfmNachricht>();
  Window->SetMessage(Caption, Text, Tip);
  Window->ShowModal();
}

namespace {
// Whether the text of View reaches below the control: it is laid out on a
// white sheet twice as high (the message text is dark), and any ink in the
// lower half counts.
bool TextOverflows(TMiniHTML& View) {
  const int Height = View.Height();
  TBitmap Sheet(View.Width(), 2 * Height);
  View.DrawContent(Sheet.Canvas(), false, SRCCOPY, TRect{0, 0, View.Width(), 2 * Height});
  const QImage& Image = Sheet.Image();
  for (int Y = Height; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if ((Image.pixel(X, Y) & 0xFFFFFFu) != 0xFFFFFFu) return true;
  return false;
}
}  // namespace

void TfmNachricht::SetMessage(const QString& Caption, const QString& Text, const QString& Tip) {
  const TMessageLayout Layout = LayOutMessage(Text.toStdString());
  TMiniHTML* View = MiniHTML1();
  SetCaption(Caption);
  LabelTip()->SetCaption(Tip.isEmpty() ? QString() : QStringLiteral("Tipp: ") + Tip);
  LabelTip()->SetVisible(!Tip.isEmpty());
  View->SetLines({QString::fromStdString(Layout.Line)});
  switch (Layout.Size) {
    case TMessageSize::Large: {
      const int NormalHeight = View->Font()->Height();
      View->Font()->SetHeight(LargeMessageFontHeight);
      // A short text of long words may need more lines in the large font
      // than the text area holds; it keeps the normal font rather than lose
      // its end below the area.
      if (TextOverflows(*View)) View->Font()->SetHeight(NormalHeight);
      break;
    }
    case TMessageSize::Normal: break;
    case TMessageSize::Small: View->Font()->SetSize(SmallMessageFontSize); break;
  }
}

TModalResult TfmNachricht::ShowModal() {
  if (Modal()) return mrNone;  // already showing
  setFixedSize(size());
  SetPosition(poScreenCenter);
  TGIFImage* Figure = GIFImage6();
  Figure->SetAnimate(true);
  const TModalResult Result = TForm::ShowModal();
  Figure->SetAnimate(false);
  return Result;
}

void TfmNachricht::showEvent(QShowEvent* Event) {
  TForm::showEvent(Event);
  MMButton1()->setFocus(Qt::OtherFocusReason);
  QAccessibleEvent Alert(this, QAccessible::Alert);
  TellScreenReaders(Alert);
}

void TfmNachricht::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    SetModalResult(mrOk);
    Event->accept();
    return;
  }
  if (Event->key() == Qt::Key_Escape) {
    SetModalResult(mrCancel);
    Event->accept();
    return;
  }
  TForm::keyPressEvent(Event);
}
