#include "platform/ComponentRegistry.h"

#include <QMetaType>

#include "common/Colors.h"

bool TIdentConverter::IdentToValue(const QString& Ident, qint64& Value) const {
  if (ToValue) return ToValue(Ident, Value);
  for (const auto& [Name, V] : Entries) {
    if (Name == Ident) {
      Value = V;
      return true;
    }
  }
  return false;
}

bool TIdentConverter::ValueToIdent(qint64 Value, QString& Ident) const {
  if (ToIdent) return ToIdent(Value, Ident);
  for (const auto& [Name, V] : Entries) {
    if (V == Value) {
      Ident = Name;
      return true;
    }
  }
  return false;
}

TIdentConverter IdentTable(std::initializer_list<std::pair<const char*, qint64>> Entries) {
  TIdentConverter Result;
  for (const auto& [Name, Value] : Entries) Result.Entries.append({QString::fromLatin1(Name), Value});
  return Result;
}

TIdentConverter SetTable(std::initializer_list<std::pair<const char*, qint64>> Entries) {
  TIdentConverter Result = IdentTable(Entries);
  Result.IsSet = true;
  return Result;
}

TIdentConverter ColorIdents() {
  TIdentConverter Result;
  Result.ToValue = [](const QString& Ident, qint64& Value) {
    TColor Color = 0;
    if (!IdentToColor(Ident.toLatin1().constData(), Color)) return false;
    Value = Color;
    return true;
  };
  Result.ToIdent = [](qint64 Value, QString& Ident) {
    if (Value < INT32_MIN || Value > INT32_MAX) return false;
    const char* Name = ColorToIdent(static_cast<TColor>(Value));
    if (!Name || !*Name) return false;
    Ident = QString::fromLatin1(Name);
    return true;
  };
  return Result;
}

int PublishedPropertyOffset(const QMetaObject* Meta) {
  // Our classes start with 'T'; Qt's with 'Q'. Everything a Qt class declares
  // stays unpublished.
  for (const QMetaObject* M = Meta; M; M = M->superClass())
    if (M->className()[0] == 'Q') return M->propertyCount();
  return 0;
}

QMetaProperty FindPublishedProperty(const QMetaObject* Meta, const QString& Name) {
  int Index = Meta->indexOfProperty(Name.toLatin1().constData());
  if (Index < PublishedPropertyOffset(Meta)) return {};
  return Meta->property(Index);
}

QList<QMetaProperty> PublishedProperties(const QMetaObject* Meta) {
  QList<QMetaProperty> Result;
  for (int I = PublishedPropertyOffset(Meta); I < Meta->propertyCount(); ++I) {
    QMetaProperty P = Meta->property(I);
    if (Meta->indexOfProperty(P.name()) == I) Result.append(P);
  }
  return Result;
}

bool IsObjectProperty(const QMetaProperty& Property) {
  return Property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

TComponentRegistry::TComponentRegistry() : FColors(ColorIdents()) {}

TComponentRegistry& TComponentRegistry::Instance() {
  static TComponentRegistry Registry;
  return Registry;
}

void TComponentRegistry::RegisterClass(const QMetaObject* Class, TFactory Factory, bool IsForm) {
  FClasses.insert(QString::fromLatin1(Class->className()), TClassEntry{Class, std::move(Factory), IsForm});
}

const QMetaObject* TComponentRegistry::FindClass(const QString& ClassName) const {
  auto It = FClasses.constFind(ClassName);
  return It == FClasses.constEnd() ? nullptr : It->Class;
}

bool TComponentRegistry::IsForm(const QString& ClassName) const {
  auto It = FClasses.constFind(ClassName);
  return It != FClasses.constEnd() && It->IsForm;
}

std::unique_ptr<QObject> TComponentRegistry::Create(const QString& ClassName) const {
  auto It = FClasses.constFind(ClassName);
  if (It == FClasses.constEnd()) return nullptr;
  return It->Factory();
}

namespace {
// Designs are read on the user-interface thread; nested creations (a
// component whose constructor reads a design of its own) restore the outer
// owner.
QObject* GCreatingOwner = nullptr;
}  // namespace

std::unique_ptr<QObject> TComponentRegistry::Create(const QString& ClassName, QObject* Owner) const {
  struct TScope {
    QObject* Saved;
    explicit TScope(QObject* Owner) : Saved(GCreatingOwner) { GCreatingOwner = Owner; }
    ~TScope() { GCreatingOwner = Saved; }
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;
  } Scope(Owner);
  return Create(ClassName);
}

QObject* TComponentRegistry::CreatingOwner() { return GCreatingOwner; }

QStringList TComponentRegistry::FormClasses() const {
  QStringList Result;
  for (auto It = FClasses.constBegin(); It != FClasses.constEnd(); ++It)
    if (It->IsForm) Result << It.key();
  Result.sort();
  return Result;
}

void TComponentRegistry::RegisterEvent(const QMetaObject* Class, const char* Name,
                                       std::function<TEventBase*(QObject*)> Access) {
  QString EventName = QString::fromLatin1(Name);
  for (TEventEntry& E : FEvents) {
    if (E.Class == Class && E.Name == EventName) {
      E.Access = std::move(Access);
      return;
    }
  }
  FEvents.push_back({Class, EventName, std::move(Access)});
}

TEventBase* TComponentRegistry::FindEvent(QObject* Object, const QString& Name) const {
  for (const QMetaObject* M = Object->metaObject(); M; M = M->superClass())
    for (const TEventEntry& E : FEvents)
      if (E.Class == M && E.Name == Name) return E.Access(Object);
  return nullptr;
}

QList<QPair<QString, TEventBase*>> TComponentRegistry::Events(QObject* Object) const {
  QList<const QMetaObject*> Chain;
  for (const QMetaObject* M = Object->metaObject(); M; M = M->superClass()) Chain.prepend(M);
  QList<QPair<QString, TEventBase*>> Result;
  for (const QMetaObject* M : Chain)
    for (const TEventEntry& E : FEvents)
      if (E.Class == M) Result.append({E.Name, E.Access(Object)});
  return Result;
}

void TComponentRegistry::RegisterIdents(const QMetaObject* Class, const char* Property, TIdentConverter Idents) {
  QString Name = QString::fromLatin1(Property);
  for (TIdentEntry& E : FIdents) {
    if (E.Class == Class && E.Property == Name) {
      E.Idents = std::move(Idents);
      return;
    }
  }
  FIdents.push_back({Class, Name, std::move(Idents)});
}

void TComponentRegistry::RegisterNotStored(const QMetaObject* Class, const char* Property) {
  if (!IsStored(Class, Class->property(Class->indexOfProperty(Property)))) return;
  FNotStored.emplace_back(Class, QByteArray(Property));
}

bool TComponentRegistry::IsStored(const QMetaObject* Class, const QMetaProperty& Property) const {
  if (!Property.isStored()) return false;
  for (const QMetaObject* M = Class; M; M = M->superClass())
    for (const auto& [C, Name] : FNotStored)
      if (C == M && Name == Property.name()) return false;
  return true;
}

void TComponentRegistry::RegisterTypeIdents(const QByteArray& TypeName, TIdentConverter Idents) {
  FTypeIdents.insert(TypeName, std::move(Idents));
}

const TIdentConverter* TComponentRegistry::FindIdents(const QMetaObject* Class, const QMetaProperty& Property) const {
  const QString Name = QString::fromLatin1(Property.name());
  for (const QMetaObject* M = Class; M; M = M->superClass())
    for (const TIdentEntry& E : FIdents)
      if (E.Class == M && E.Property == Name) return &E.Idents;
  if (Property.isEnumType()) return nullptr;
  auto It = FTypeIdents.constFind(QByteArray(Property.metaType().name()));
  if (It != FTypeIdents.constEnd()) return &*It;
  const int Type = Property.metaType().id();
  if ((Type == QMetaType::Int || Type == QMetaType::UInt || Type == QMetaType::LongLong) && Name.endsWith(QLatin1String("Color"))) {
    return &FColors;
  }
  return nullptr;
}
