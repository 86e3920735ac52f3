#pragma once
// What a screen reader learns about the program's own controls. Every
// control class that needs more than Qt's guess gets an interface derived
// from TControlAccessible in the layer that defines the control, and
// registers it once with RegisterAccessible; one factory, installed with the
// first registration, hands them to Qt.
//
//   RegisterAccessible<TMMButton, TMMButtonAccessible>();
//
// Interfaces of this kind leave their decorative children out of the tree
// (LeftOut: shapes, pictures and panels that show nothing to read or use).
#include <QAccessibleWidget>
#include <QString>
#include <functional>

class QMetaObject;

using TAccessibleMaker = QAccessibleInterface* (*)(QObject* Object);

// Makes Maker answer for the widgets of exactly this class (and of classes
// derived from it that have no interface of their own).
void RegisterAccessible(const QMetaObject& Class, TAccessibleMaker Maker);

template <class TWidgetClass, class TInterface>
void RegisterAccessible() {
  RegisterAccessible(TWidgetClass::staticMetaObject, [](QObject* Object) -> QAccessibleInterface* {
    return new TInterface(static_cast<TWidgetClass*>(Object));
  });
}

class TControlAccessible : public QAccessibleWidget {
 public:
  explicit TControlAccessible(QWidget* Widget, QAccessible::Role Role = QAccessible::Grouping);

  // A control that only decorates: its parent does not list it.
  virtual bool LeftOut() const { return false; }
  // The name when the program has not set one (accessibleName wins): the
  // widget's caption without its "&".
  virtual QString Name() const;
  // The description when the program has not set one.
  virtual QString Description() const { return {}; }
  virtual QString Value() const { return {}; }

  QString text(QAccessible::Text T) const override;
  int childCount() const override;
  QAccessibleInterface* child(int Index) const override;
  int indexOfChild(const QAccessibleInterface* Child) const override;

 protected:
  // The child widgets a reader sees, in creation order.
  QList<QWidget*> ShownChildren() const;
};

// Tells screen readers about a change (a new value, a state, an alert).
// Nothing is sent while none listens, except to the observer tests install.
void TellScreenReaders(QAccessibleEvent& Event);
// Whether anyone listens: a screen reader or an observer.
bool ScreenReadersListen();
using TAccessibleObserver = std::function<void(QAccessible::Event Type, QObject* Object)>;
// Installs Observer and returns the one before.
TAccessibleObserver SetAccessibleObserver(TAccessibleObserver Observer);

// Sets what a reader hears about Widget beyond its name (what a figure shows
// now) and, when that changed, tells screen readers.
void SetAccessibleDescription(QWidget* Widget, const QString& Description);

// Whether a widget's interface leaves it out of its parent's list.
bool IsLeftOut(QWidget* Widget);

// Caption as read: "&Weiter" -> "Weiter", "&&" -> "&".
QString WithoutAccelerator(const QString& Caption);

// "Alt+W" for a caption with "&W", empty without.
QString AcceleratorKeys(const QString& Caption);

// The text a pupil reads as the label of Control: the headings of the table
// cell it lies in, else the nearest text of its group left of it on the
// same line, else the one right above it; a short label comes with the
// text above ("1. Art: Multipliziere die Seitenlängen. F ="). A number
// (a row number, a value) or a long explanation there names nothing.
// Empty when there is none.
QString TextBeside(const QWidget* Control);

// "Termfeld 2": Kind and the place of Control among the controls of its
// class on its window, in the window's answer order where it has one, else
// from top to bottom and left to right.
QString NumberedName(const QWidget* Control, const QString& Kind);
