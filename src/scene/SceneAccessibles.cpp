#include "scene/SceneAccessibles.h"

#include <algorithm>

#include "scene/MMBox.h"
#include "scene/MMButton.h"
#include "scene/MMShapes.h"
#include "scene/PCVGlass.h"

namespace {

class TGlassButtonAccessible : public TControlAccessible {
 public:
  explicit TGlassButtonAccessible(TPCVGlassButton* Button) : TControlAccessible(Button, QAccessible::PushButton) {}
  QString text(QAccessible::Text T) const override {
    if (T == QAccessible::Accelerator) return AcceleratorKeys(Glass().Caption());
    return TControlAccessible::text(T);
  }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& Action) override {
    if (Action == pressAction() && Glass().Enabled())
      Glass().Click();
    else
      TControlAccessible::doAction(Action);
  }
  QStringList keyBindingsForAction(const QString& Action) const override {
    const QString Keys = AcceleratorKeys(Glass().Caption());
    return Action == pressAction() && !Keys.isEmpty() ? QStringList{Keys} : QStringList();
  }

 private:
  TPCVGlassButton& Glass() const { return *static_cast<TPCVGlassButton*>(widget()); }
};

// A scene box is read as a picture: its hint, or the labels it shows and
// how many of its parts the mouse can move.
class TMMBoxAccessible : public TControlAccessible {
 public:
  explicit TMMBoxAccessible(TMMBox* Box) : TControlAccessible(Box, QAccessible::Graphic) {}
  bool LeftOut() const override { return Description().isEmpty(); }
  QString Name() const override { return QStringLiteral("Zeichnung"); }
  QString Description() const override {
    const auto& Box = *static_cast<const TMMBox*>(widget());
    if (!Box.Hint().isEmpty()) return Box.Hint();
    QStringList Labels;
    int Movable = 0;
    for (int I = 0; I < Box.MMObjects()->Count(); ++I) {
      const TSShape* Shape = Box.MMObjects()->Items(I)->SShape();
      if (!Shape || !Shape->Visible()) continue;
      if (Shape->Movable()) ++Movable;
      if (const auto* Text = qobject_cast<const TSText*>(Shape); Text && !Text->Text().trimmed().isEmpty())
        Labels << Text->Text().trimmed();
    }
    QStringList Parts;
    if (!Labels.isEmpty()) Parts << QStringLiteral("beschriftet mit ") + Labels.join(QStringLiteral(", "));
    if (Movable == 1) Parts << QStringLiteral("ein Teil lässt sich mit der Maus verschieben");
    if (Movable > 1) Parts << QStringLiteral("%1 Teile lassen sich mit der Maus verschieben").arg(Movable);
    return Parts.join(QStringLiteral("; "));
  }
};

}  // namespace

TMMButtonAccessible::TMMButtonAccessible(TMMButton* Button) : TControlAccessible(Button, QAccessible::PushButton) {}

TMMButton& TMMButtonAccessible::Button() const { return *static_cast<TMMButton*>(widget()); }

QAccessible::Role TMMButtonAccessible::role() const {
  return Button().Toggles() ? QAccessible::CheckBox : QAccessible::PushButton;
}

QAccessible::State TMMButtonAccessible::state() const {
  QAccessible::State S = TControlAccessible::state();
  S.defaultButton = Button().IsDefault();
  if (Button().Toggles()) {
    S.checkable = true;
    S.checked = Button().Down();
  }
  return S;
}

QString TMMButtonAccessible::Name() const {
  const QString Caption = TControlAccessible::Name();
  // A caption of signs only ("=>") says nothing read aloud: the hint names the button.
  const bool Speaks = std::any_of(Caption.begin(), Caption.end(), [](QChar C) { return C.isLetterOrNumber(); });
  if (Speaks || (!Caption.isEmpty() && Button().Hint().isEmpty())) return Caption;
  return Button().Hint().isEmpty() ? QStringLiteral("Knopf") : Button().Hint();
}

QString TMMButtonAccessible::text(QAccessible::Text T) const {
  if (T == QAccessible::Accelerator) return AcceleratorKeys(Button().Caption());
  return TControlAccessible::text(T);
}

QStringList TMMButtonAccessible::actionNames() const {
  QStringList Names{pressAction(), setFocusAction()};
  if (Button().Toggles()) Names.insert(1, toggleAction());
  return Names;
}

void TMMButtonAccessible::doAction(const QString& Action) {
  if ((Action == pressAction() || Action == toggleAction()) && Button().Enabled())
    Button().Click();
  else
    TControlAccessible::doAction(Action);
}

QStringList TMMButtonAccessible::keyBindingsForAction(const QString& Action) const {
  const QString Keys = AcceleratorKeys(Button().Caption());
  return Action == pressAction() && !Keys.isEmpty() ? QStringList{Keys} : QStringList();
}

void RegisterSceneAccessibles() {
  RegisterAccessible<TMMButton, TMMButtonAccessible>();
  RegisterAccessible<TPCVGlassButton, TGlassButtonAccessible>();
  RegisterAccessible<TMMBox, TMMBoxAccessible>();
}
