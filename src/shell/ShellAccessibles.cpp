#include "shell/ShellAccessibles.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>

#include "platform/PlatformAccessibles.h"
#include "platform/UpDown.h"
#include "shell/LearnPathImage.h"
#include "shell/Nachricht.h"
#include "shell/StatusPanels.h"

namespace {

// Whether the control of Node shows whenever its page does.
bool ShownWithPage(const QAccessibleInterface* Node) {
  for (auto* W = qobject_cast<const QWidget*>(Node->object()); W && !W->isWindow(); W = W->parentWidget())
    if (W->isHidden()) return false;
  return true;
}

// Depth first in the order a reader walks the page.
QAccessibleInterface* FirstText(QAccessibleInterface* Node, QWidget** Widget) {
  if (!Node || !ShownWithPage(Node)) return nullptr;
  if (Node->role() == QAccessible::StaticText && !Node->text(QAccessible::Name).trimmed().isEmpty()) {
    if (Widget) *Widget = qobject_cast<QWidget*>(Node->object());
    return Node;
  }
  for (int I = 0; I < Node->childCount(); ++I)
    if (QAccessibleInterface* Found = FirstText(Node->child(I), Widget)) return Found;
  return nullptr;
}

class TLearnPathImageAccessible : public TControlAccessible {
 public:
  explicit TLearnPathImageAccessible(TLearnPathImage* Image) : TControlAccessible(Image, QAccessible::PushButton) {}
  QString Name() const override { return widget()->toolTip(); }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& Action) override {
    if (Action == pressAction())
      static_cast<TLearnPathImage*>(widget())->Click();
    else
      TControlAccessible::doAction(Action);
  }
};

// The message window: its caption, and all it says (the message and any
// line below it) as the description a reader speaks when it opens.
class TNachrichtAccessible : public TFormAccessible {
 public:
  explicit TNachrichtAccessible(TfmNachricht* Window) : TFormAccessible(Window) {}
  QAccessible::Role role() const override { return QAccessible::AlertMessage; }
  QString Description() const override {
    QStringList Texts;
    Collect(const_cast<TNachrichtAccessible*>(this), Texts);
    return Texts.join(QLatin1Char(' '));
  }

 private:
  static void Collect(QAccessibleInterface* Node, QStringList& Texts) {
    for (int I = 0; I < Node->childCount(); ++I) {
      QAccessibleInterface* Child = Node->child(I);
      if (!Child || Child->state().invisible) continue;
      if (Child->role() == QAccessible::StaticText) {
        const QString Text = Child->text(QAccessible::Name).trimmed();
        if (!Text.isEmpty()) Texts << Text;
      }
      Collect(Child, Texts);
    }
  }
};

class TStatusPanelsAccessible : public TControlAccessible {
 public:
  explicit TStatusPanelsAccessible(TStatusPanels* Bar) : TControlAccessible(Bar, QAccessible::StatusBar) {}
  QString Name() const override {
    const auto& Bar = *static_cast<const TStatusPanels*>(widget());
    QStringList Texts;
    for (int I = 0; I < Bar.PanelCount(); ++I)
      if (!Bar.PanelText(I).trimmed().isEmpty()) Texts << Bar.PanelText(I).trimmed();
    return Texts.join(QLatin1Char(' '));
  }
};

// Where the keyboard goes for a control: a number field's arrows stand for
// their field, and a control with a field inside hands on to it.
QWidget* FocusTarget(QWidget* Control) {
  if (auto* UpDown = qobject_cast<TUpDown*>(Control); UpDown && UpDown->Associate()) Control = UpDown->Associate();
  while (Control && Control->focusProxy()) Control = Control->focusProxy();
  return Control;
}

}  // namespace

QWidget* FirstFocusOf(QWidget* Page) {
  for (const QString& Name : Page->property("AnswerList").toStringList()) {
    QWidget* Control = FocusTarget(Page->findChild<QWidget*>(Name));
    if (Control && Control->isVisibleTo(Page) && Control->isEnabled() && Control->focusPolicy() != Qt::NoFocus)
      return Control;
  }
  QWidget* Text = nullptr;
  FirstText(QAccessible::queryAccessibleInterface(Page), &Text);
  return Text;
}

void PresentPage(QWidget* Page, const QString& Title) {
  Page->setAccessibleName(Title);
  const QAccessibleInterface* Text = FirstText(QAccessible::queryAccessibleInterface(Page), nullptr);
  Page->setAccessibleDescription(Text ? Text->text(QAccessible::Name) : QString());
  if (QWidget* First = FirstFocusOf(Page)) First->setFocus(Qt::OtherFocusReason);
}

void RegisterShellAccessibles() {
  RegisterAccessible<TLearnPathImage, TLearnPathImageAccessible>();
  RegisterAccessible<TfmNachricht, TNachrichtAccessible>();
  RegisterAccessible<TStatusPanels, TStatusPanelsAccessible>();
}
