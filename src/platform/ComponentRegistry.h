#pragma once
// The component registry: which classes a design may name, which events a
// class publishes, and which identifiers stand for integer values.
//
// Published properties are the Q_PROPERTYs a class declares itself or
// inherits from our own classes (those of Qt's classes, such as "geometry",
// are not published). Registration happens in one function per layer (for
// this layer RegisterPlatformClasses), called at start-up; registering again
// is harmless.
//
//   R.RegisterClass<TPanel>();              // "object Panel1: TPanel"
//   R.RegisterForm<TfmBIU0>();              // a form class with a design
//   R.RegisterEvent("OnClick", &TControl::OnClick);
//   R.RegisterEnum<TAlign>({{"alNone", alNone}, ...});     // by C++ enum type
//   R.RegisterIdents<TMMPointItem>("FixType", IdentTable({{"ftNone", 0}, ...}));
//   R.RegisterIdents<TFont>("Style", SetTable({{"fsBold", 1}, ...}));
//   R.RegisterNotStored<TFont>("Size");     // derived from Height: never written
//
// Identifier lookup for a property, first match wins: identifiers registered
// for the class (or a base class) and the property name; a Q_ENUM/Q_FLAG type;
// identifiers registered for the property's C++ type (RegisterEnum); colour
// names (clRed, clBtnFace) for int properties whose name ends in "Color".
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Events.h"

// Identifiers of an integer-valued property.
struct TIdentConverter {
  QList<QPair<QString, qint64>> Entries;  // in writing order
  bool IsSet = false;                     // a bit set written as [a, b]
  // Optional replacements of the table lookup (colours use them).
  std::function<bool(const QString&, qint64&)> ToValue;
  std::function<bool(qint64, QString&)> ToIdent;

  bool IdentToValue(const QString& Ident, qint64& Value) const;
  bool ValueToIdent(qint64 Value, QString& Ident) const;
};

TIdentConverter IdentTable(std::initializer_list<std::pair<const char*, qint64>> Entries);
// Entries are bit values: [fsBold, fsItalic] is fsBold | fsItalic.
TIdentConverter SetTable(std::initializer_list<std::pair<const char*, qint64>> Entries);
// clBlack ... clInfoBk, system colours included.
TIdentConverter ColorIdents();

// Index of the first published property of Meta's class: everything below
// belongs to Qt's own classes.
int PublishedPropertyOffset(const QMetaObject* Meta);
// The published property Name of Object's class, or an invalid one.
QMetaProperty FindPublishedProperty(const QMetaObject* Meta, const QString& Name);
// Published properties in declaration order, base classes first; a property
// redeclared by a subclass appears once, at its redeclaration.
QList<QMetaProperty> PublishedProperties(const QMetaObject* Meta);
// Whether a property holds a pointer to a QObject (sub-object, collection or
// reference to another component).
bool IsObjectProperty(const QMetaProperty& Property);

class TComponentRegistry {
 public:
  using TFactory = std::function<std::unique_ptr<QObject>()>;

  TComponentRegistry();
  // The program's registry.
  static TComponentRegistry& Instance();

  template <class T>
  void RegisterClass() {
    RegisterClass(&T::staticMetaObject, [] { return std::unique_ptr<QObject>(new T()); }, false);
  }
  template <class T>
  void RegisterForm() {
    RegisterClass(&T::staticMetaObject, [] { return std::unique_ptr<QObject>(new T()); }, true);
  }
  void RegisterClass(const QMetaObject* Class, TFactory Factory, bool IsForm);

  const QMetaObject* FindClass(const QString& ClassName) const;
  bool IsForm(const QString& ClassName) const;
  // A new, unparented instance; null for an unknown class.
  std::unique_ptr<QObject> Create(const QString& ClassName) const;
  // The same for a component of Owner's design: while its constructor runs,
  // CreatingOwner() is Owner, so it can take defaults from its owner (a
  // text control takes its link font from the form) although its parent is
  // set only afterwards.
  std::unique_ptr<QObject> Create(const QString& ClassName, QObject* Owner) const;
  // The owner of the component being created by Create; null otherwise.
  static QObject* CreatingOwner();
  QStringList FormClasses() const;  // sorted

  template <class C, class... A>
  void RegisterEvent(const char* Name, TEvent<A...> C::*Member) {
    RegisterEvent(&C::staticMetaObject, Name,
                  [Member](QObject* Object) -> TEventBase* { return &(static_cast<C*>(Object)->*Member); });
  }
  void RegisterEvent(const QMetaObject* Class, const char* Name, std::function<TEventBase*(QObject*)> Access);
  // The event Name of Object, or null.
  TEventBase* FindEvent(QObject* Object, const QString& Name) const;
  // All events of Object, base classes first, in registration order.
  QList<QPair<QString, TEventBase*>> Events(QObject* Object) const;

  // A property the writer leaves out, like Q_PROPERTY(... STORED false) for
  // classes whose declaration cannot say so.
  template <class C>
  void RegisterNotStored(const char* Property) {
    RegisterNotStored(&C::staticMetaObject, Property);
  }
  void RegisterNotStored(const QMetaObject* Class, const char* Property);
  bool IsStored(const QMetaObject* Class, const QMetaProperty& Property) const;

  template <class C>
  void RegisterIdents(const char* Property, TIdentConverter Idents) {
    RegisterIdents(&C::staticMetaObject, Property, std::move(Idents));
  }
  void RegisterIdents(const QMetaObject* Class, const char* Property, TIdentConverter Idents);
  template <class E>
  void RegisterEnum(std::initializer_list<std::pair<const char*, E>> Values) {
    TIdentConverter Idents;
    for (const auto& [Name, Value] : Values) Idents.Entries.append({QString::fromLatin1(Name), static_cast<qint64>(Value)});
    RegisterTypeIdents(QMetaType::fromType<E>().name(), std::move(Idents));
  }
  void RegisterTypeIdents(const QByteArray& TypeName, TIdentConverter Idents);
  // Identifiers for an integer or enumeration property; null when it has none
  // (Q_ENUMs are handled by the value conversion itself).
  const TIdentConverter* FindIdents(const QMetaObject* Class, const QMetaProperty& Property) const;

 private:
  struct TClassEntry {
    const QMetaObject* Class = nullptr;
    TFactory Factory;
    bool IsForm = false;
  };
  struct TEventEntry {
    const QMetaObject* Class;
    QString Name;
    std::function<TEventBase*(QObject*)> Access;
  };
  struct TIdentEntry {
    const QMetaObject* Class;
    QString Property;
    TIdentConverter Idents;
  };

  QHash<QString, TClassEntry> FClasses;
  std::vector<TEventEntry> FEvents;
  std::vector<TIdentEntry> FIdents;
  QHash<QByteArray, TIdentConverter> FTypeIdents;
  std::vector<std::pair<const QMetaObject*, QByteArray>> FNotStored;
  TIdentConverter FColors;
};
