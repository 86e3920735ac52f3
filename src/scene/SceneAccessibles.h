#pragma once
// The scene controls for screen readers: buttons (a button the page keeps
// pressed down is a check box with its state), glass buttons with their
// accelerator, and scene boxes described by what they show.
#include "platform/ControlAccessible.h"

class TMMButton;

class TMMButtonAccessible : public TControlAccessible {
 public:
  explicit TMMButtonAccessible(TMMButton* Button);
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  QString Name() const override;
  QString text(QAccessible::Text T) const override;
  QStringList actionNames() const override;
  void doAction(const QString& Action) override;
  QStringList keyBindingsForAction(const QString& Action) const override;

 protected:
  TMMButton& Button() const;
};

void RegisterSceneAccessibles();
