#pragma once
// The interfaces of the platform's controls for screen readers.
//
// Any control without an interface of its own is read by what it shows:
// one that hosts a Qt field (edit, list, combo) steps aside for the field
// it hands its focus to; one with a click handler is a button; one with
// visible children a group; one with a caption a text; one with a hint a
// picture; anything else only decorates and is left out.
#include "platform/ControlAccessible.h"

class TCustomForm;
class TStringGrid;

class TPlainControlAccessible : public TControlAccessible {
 public:
  explicit TPlainControlAccessible(QWidget* Widget) : TControlAccessible(Widget) {}
  bool LeftOut() const override;
  QString Name() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& Action) override;

 protected:
  // The Qt field inside that takes the focus; null for other controls.
  QWidget* Field() const;
  bool Clickable() const;
};

// A design form: a window of its own is a dialog named by its caption; a
// page inside the main window is a group the course names after the page.
class TFormAccessible : public TControlAccessible {
 public:
  explicit TFormAccessible(TCustomForm* Form);
  QAccessible::Role role() const override;
};

// Makes the platform's interfaces known (the first call installs the factory).
void RegisterPlatformAccessibles();
