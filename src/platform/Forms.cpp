#include "platform/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "platform/BitBtn.h"
#include "platform/FormReader.h"

TCustomForm::TCustomForm(QWidget* Parent) : TControl(Parent) {
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::LoadDesign(TDesignMode Mode) {
  QList<TFormProblem> Problems = TryLoadDesign(Mode);
  if (!Problems.isEmpty()) throw EFormError(Problems);
}

QList<TFormProblem> TCustomForm::TryLoadDesign(TDesignMode Mode, const TFormDesign* OwnDesign) {
  QList<const QMetaObject*> Chain;
  for (const QMetaObject* M = metaObject(); M && M != &TForm::staticMetaObject && M != &TCustomForm::staticMetaObject;
       M = M->superClass())
    Chain.prepend(M);
  QList<std::pair<QByteArray, QString>> Designs;
  for (const QMetaObject* M : Chain) {
    if (M == metaObject() && OwnDesign) {
      Designs.append({OwnDesign->Text, OwnDesign->FileName});
    } else if (std::optional<TFormDesign> D = FindFormDesign(QString::fromLatin1(M->className()))) {
      Designs.append({D->Text, D->FileName});
    }
  }
  if (Designs.isEmpty()) {
    QString Name = QString::fromLatin1(metaObject()->className());
    return {{FormResourcePath(Name), 0, QStringLiteral("there is no design for %1").arg(Name)}};
  }
  return Load(Designs, Mode);
}

QList<TFormProblem> TCustomForm::LoadDesignText(const QByteArray& Text, const QString& FileName, TDesignMode Mode) {
  return Load({{Text, FileName}}, Mode);
}

QList<TFormProblem> TCustomForm::Load(const QList<std::pair<QByteArray, QString>>& Designs, TDesignMode Mode) {
  if (FDesignLoaded) return {{Designs.value(0).second, 0, QStringLiteral("the form's design is loaded already")}};
  FDesignLoaded = true;
  TFormReader Reader(this);
  for (const auto& [Text, FileName] : Designs) Reader.Read(Text, FileName);
  Reader.Finish();
  for (QObject* C : Reader.Components()) FComponents.append(C);
  ApplyTabOrder(this);
  if (Reader.Problems().isEmpty() && Mode == TDesignMode::Run) DoCreate();
  return Reader.Problems();
}

void TCustomForm::DoCreate() { OnCreate(this); }

namespace {

int TabOrderOf(const QWidget* Widget) {
  const QVariant Value = Widget->property("TabOrder");
  return Value.isValid() ? Value.toInt() : -1;
}

bool TakesTabFocus(const QWidget* Widget) {
  if (QWidget* Proxy = Widget->focusProxy()) return TakesTabFocus(Proxy);
  return (Widget->focusPolicy() & Qt::TabFocus) != 0;
}

// The controls of Parent in the order Tab visits them, depth first: the
// children by their TabOrder (those without one after, as created), each
// followed by its own children.
void CollectTabChain(QWidget* Parent, QList<QWidget*>& Chain) {
  QList<QWidget*> Children;
  for (QObject* Child : Parent->children())
    if (Child->isWidgetType() && !static_cast<QWidget*>(Child)->isWindow()) Children.append(static_cast<QWidget*>(Child));
  std::stable_sort(Children.begin(), Children.end(), [](const QWidget* A, const QWidget* B) {
    const int TA = TabOrderOf(A), TB = TabOrderOf(B);
    if ((TA < 0) != (TB < 0)) return TB < 0;
    return TA < TB;
  });
  for (QWidget* Child : Children) {
    if (TakesTabFocus(Child)) Chain.append(Child);
    if (!Child->focusProxy()) CollectTabChain(Child, Chain);
  }
}

}  // namespace

void ApplyTabOrder(QWidget* Form) {
  QList<QWidget*> Chain;
  CollectTabChain(Form, Chain);
  for (qsizetype I = 1; I < Chain.size(); ++I) QWidget::setTabOrder(Chain[I - 1], Chain[I]);
}

QList<QObject*> TCustomForm::Components() const {
  QList<QObject*> Result;
  for (const QPointer<QObject>& C : FComponents)
    if (C) Result.append(C.data());
  return Result;
}

QObject* TCustomForm::FindComponent(const QString& Name) const {
  for (const QPointer<QObject>& C : FComponents)
    if (C && C->objectName() == Name) return C.data();
  return nullptr;
}

void TCustomForm::MissingComponent(const QString& Name, const char* ClassName) const {
  throw EFormError({{FormResourcePath(QString::fromLatin1(metaObject()->className())), 0,
                     QStringLiteral("%1 has no component '%2' of class %3")
                         .arg(QString::fromLatin1(metaObject()->className()), Name, QString::fromLatin1(ClassName))}});
}

void TCustomForm::CaptionChanged() { setWindowTitle(Caption()); }

void TCustomForm::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(Color()));
}

void TCustomForm::showEvent(QShowEvent* Event) {
  TControl::showEvent(Event);
  OnShow(this);
}

void TCustomForm::SetKeyPreview(bool Value) {
  if (FKeyPreview == Value) return;
  FKeyPreview = Value;
  // Keys go to the focused control first; only the application sees them
  // before it.
  if (Value)
    qApp->installEventFilter(this);
  else
    qApp->removeEventFilter(this);
}

bool TCustomForm::KeyDown(QKeyEvent* Event) {
  if (!OnKeyDown) return false;
  int Key = Event->key();
  OnKeyDown(this, Key, static_cast<int>(Event->modifiers()));
  if (Key != 0) return false;
  Event->accept();
  return true;
}

bool TCustomForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::KeyPress || !Watched->isWidgetType()) return false;
  auto* Target = static_cast<QWidget*>(Watched);
  // A key travels from the focused control up through its parents; the form
  // looks at it once, at the control it was meant for.
  QWidget* First = focusWidget() ? focusWidget() : this;
  if (Target != First || !(Target == this || isAncestorOf(Target))) return false;
  return KeyDown(static_cast<QKeyEvent*>(Event));
}

void TCustomForm::keyPressEvent(QKeyEvent* Event) {
  if (!FKeyPreview && KeyDown(Event)) return;
  if (DialogKey(Event->key())) {
    Event->accept();
    return;
  }
  TControl::keyPressEvent(Event);
}

bool TCustomForm::DialogKey(int Key) {
  const bool Enter = Key == Qt::Key_Return || Key == Qt::Key_Enter;
  if (!Enter && Key != Qt::Key_Escape) return false;
  for (TBitBtn* Button : findChildren<TBitBtn*>()) {
    if (!Button->isVisibleTo(this) || !Button->isEnabled()) continue;
    if (Enter ? Button->Default() : Button->Cancel()) {
      Button->Click();
      return true;
    }
  }
  return false;
}

void TCustomForm::closeEvent(QCloseEvent* Event) {
  if (FModalLoop && FModalResult == mrNone) SetModalResult(mrCancel);
  TControl::closeEvent(Event);
}

void TCustomForm::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  if (FModalLoop && Value != mrNone) {
    FModalExitAsked = true;
    FModalLoop->exit();
  }
}

TModalResult TCustomForm::ShowModal() {
  if (FModalLoop) return mrNone;  // showing modally already
  FModalResult = mrNone;
  setWindowModality(Qt::ApplicationModal);
  PlaceOnScreen();
  show();
  raise();
  activateWindow();
  QEventLoop Loop;
  FModalLoop = &Loop;
  QPointer<TCustomForm> Self(this);
  for (;;) {
    FModalExitAsked = false;
    Loop.exec(QEventLoop::DialogExec);
    if (!Self) return mrCancel;  // freed while showing
    // The loop also ends when the application does: that counts as Cancel.
    // A result set back to mrNone after a button asked to close keeps the
    // window open.
    if (FModalResult != mrNone || !FModalExitAsked) break;
  }
  FModalLoop = nullptr;
  if (FModalResult == mrNone) FModalResult = mrCancel;
  hide();
  return FModalResult;
}

void TCustomForm::PlaceOnScreen() {
  if (FPlaced || !isWindow()) return;
  FPlaced = true;
  if (FPosition != poScreenCenter) return;
  const QScreen* Screen = QGuiApplication::primaryScreen();
  if (!Screen) return;
  const QRect Desktop = Screen->availableGeometry();
  move(Desktop.center() - QPoint(width() / 2, height() / 2));
}

TForm::TForm(QWidget* Parent) : TCustomForm(Parent) {}
