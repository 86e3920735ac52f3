#include "platform/FormReader.h"

#include <QWidget>
#include <exception>

#include "platform/Collections.h"
#include "platform/Controls.h"
#include "platform/FormValues.h"
#include "platform/Streamable.h"

namespace {

QString Str(const std::string& S) { return QString::fromUtf8(S.data(), static_cast<qsizetype>(S.size())); }
QString ClassOf(const QObject* O) { return QString::fromLatin1(O->metaObject()->className()); }

bool InheritsNamed(const QObject* O, const QString& ClassName) {
  for (const QMetaObject* M = O->metaObject(); M; M = M->superClass())
    if (ClassName == QLatin1String(M->className())) return true;
  return false;
}

}  // namespace

TFormReader::TFormReader(QObject* Root, const TComponentRegistry& Registry) : FRoot(Root), FRegistry(Registry) {}

TFormReader::~TFormReader() = default;

void TFormReader::Problem(int Line, const QString& Message) { FProblems.append({FFile, Line, Message}); }

QList<QObject*> TFormReader::Components() const {
  QList<QObject*> Result;
  for (const TCreated& C : FCreated)
    if (C.Object) Result.append(C.Object.data());
  return Result;
}

void TFormReader::Read(const QByteArray& Text, const QString& FileName) {
  TFormParseResult Parsed = ParseFormText(std::string_view(Text.constData(), static_cast<std::size_t>(Text.size())));
  if (!Parsed.Ok) {
    FFile = FileName;
    Problem(Parsed.ErrorLine, Str(Parsed.Error));
    return;
  }
  Read(Parsed.Root, FileName);
}

void TFormReader::Read(const TFormObject& Design, const QString& FileName) {
  FFile = FileName;
  const bool First = FDesigns++ == 0;
  if (Design.Kind == TFormObjectKind::Inline) {
    Problem(Design.Line, QStringLiteral("a design cannot start with 'inline'"));
    return;
  }
  if (First && Design.Kind == TFormObjectKind::Inherited) {
    Problem(Design.Line, QStringLiteral("'inherited' design of %1 without a base design").arg(Str(Design.ClassName)));
    return;
  }
  if (!First && Design.Kind != TFormObjectKind::Inherited) {
    Problem(Design.Line, QStringLiteral("a design that builds on another must start with 'inherited'"));
    return;
  }
  if (!InheritsNamed(FRoot, Str(Design.ClassName))) {
    Problem(Design.Line, QStringLiteral("the design is for %1, not for %2").arg(Str(Design.ClassName), ClassOf(FRoot)));
    return;
  }
  if (First) {
    FRootLine = Design.Line;
    FRootFile = FileName;
    if (auto* S = dynamic_cast<TStreamable*>(FRoot)) S->SetLoading(true);
  }
  if (!Design.Name.empty()) FRoot->setObjectName(Str(Design.Name));
  ApplyProperties(FRoot, Design.Properties);
  ReadChildren(FRoot, Design);
}

void TFormReader::ReadChildren(QObject* Parent, const TFormObject& Node) {
  for (const TFormObject& ChildNode : Node.Children) {
    QObject* Child = nullptr;
    switch (ChildNode.Kind) {
      case TFormObjectKind::Object:
        Child = CreateChild(Parent, ChildNode);
        break;
      case TFormObjectKind::Inherited:
        Child = FindInherited(ChildNode);
        break;
      case TFormObjectKind::Inline:
        Problem(ChildNode.Line, QStringLiteral("'inline' components are not supported"));
        break;
    }
    if (!Child) continue;  // reported; its nested objects are skipped too
    ApplyProperties(Child, ChildNode.Properties);
    ReadChildren(Child, ChildNode);
  }
}

QObject* TFormReader::CreateChild(QObject* Parent, const TFormObject& Node) {
  const QString ClassName = Str(Node.ClassName);
  const QString Name = Str(Node.Name);
  std::unique_ptr<QObject> Child = FRegistry.Create(ClassName, FRoot);
  if (!Child) {
    Problem(Node.Line, QStringLiteral("unknown class '%1'").arg(ClassName));
    return nullptr;
  }
  if (!Name.isEmpty() && (FindComponent(Name) || Name == FRoot->objectName())) {
    Problem(Node.Line, QStringLiteral("a component named '%1' exists already").arg(Name));
    return nullptr;
  }
  auto* Widget = qobject_cast<QWidget*>(Child.get());
  auto* ParentWidget = qobject_cast<QWidget*>(Parent);
  if (Widget && !ParentWidget) {
    Problem(Node.Line, QStringLiteral("the control %1 cannot be placed in %2, which is not a control")
                           .arg(Name.isEmpty() ? ClassName : Name, ClassOf(Parent)));
    return nullptr;
  }
  Child->setObjectName(Name);
  if (auto* S = dynamic_cast<TStreamable*>(Child.get())) S->SetLoading(true);
  QObject* Raw = Child.release();
  if (Widget) {
    Widget->setParent(ParentWidget);  // hides it; show it again unless its design says otherwise
    if (auto* Control = qobject_cast<TControl*>(Widget))
      Control->SetVisible(Control->Visible());
    else
      Widget->setVisible(true);
  } else {
    Raw->setParent(Parent);
  }
  FCreated.append({Raw, FFile, Node.Line});
  if (!Name.isEmpty()) BindField(Raw);
  return Raw;
}

QObject* TFormReader::FindInherited(const TFormObject& Node) {
  const QString Name = Str(Node.Name);
  QObject* Found = Name.isEmpty() ? nullptr : FindComponent(Name);
  if (!Found) {
    Problem(Node.Line, QStringLiteral("the base design has no component '%1'").arg(Name));
    return nullptr;
  }
  if (!InheritsNamed(Found, Str(Node.ClassName))) {
    Problem(Node.Line, QStringLiteral("'%1' is a %2, not a %3").arg(Name, ClassOf(Found), Str(Node.ClassName)));
    return nullptr;
  }
  return Found;
}

// A form may declare  Q_PROPERTY(TLabel* Label1 MEMBER Label1)  to receive
// the component of that name.
void TFormReader::BindField(QObject* Child) {
  QMetaProperty Field = FindPublishedProperty(FRoot->metaObject(), Child->objectName());
  if (!Field.isValid() || !IsObjectProperty(Field) || !Field.isWritable()) return;
  const QMetaObject* Wanted = Field.metaType().metaObject();
  if (Wanted && !Child->metaObject()->inherits(Wanted)) {
    Problem(FCreated.back().Line, QStringLiteral("the field %1 of %2 takes a %3, but the component is a %4")
                                      .arg(Child->objectName(), ClassOf(FRoot),
                                           QString::fromLatin1(Wanted->className()), ClassOf(Child)));
    return;
  }
  Field.write(FRoot, QVariant::fromValue(Child));
}

QObject* TFormReader::FindComponent(const QString& Name) const {
  for (const TCreated& C : FCreated)
    if (C.Object && C.Object->objectName() == Name) return C.Object.data();
  return nullptr;
}

void TFormReader::ApplyProperties(QObject* Target, const std::vector<TFormProperty>& Properties) {
  for (const TFormProperty& P : Properties) {
    try {
      ApplyProperty(Target, P);
    } catch (const std::exception& E) {
      Problem(P.Line, QStringLiteral("%1: %2").arg(Str(P.Name), QString::fromUtf8(E.what())));
    }
  }
}

void TFormReader::ApplyProperty(QObject* Target, const TFormProperty& Property) {
  const QString FullName = Str(Property.Name);
  const QStringList Path = FullName.split(QLatin1Char('.'));
  const TFormValue& Value = Property.Value;
  auto Unknown = [&] {
    Problem(Property.Line, QStringLiteral("%1 has no property '%2'").arg(ClassOf(Target), FullName));
  };

  QObject* Object = Target;
  for (int I = 0; I + 1 < Path.size(); ++I) {
    QMetaProperty P = FindPublishedProperty(Object->metaObject(), Path[I]);
    if (!P.isValid()) return Unknown();
    if (P.metaType().id() == QMetaType::QStringList && I + 2 == Path.size() && Path[I + 1] == QLatin1String("Strings"))
      break;  // "Items.Strings = (...)" is the list itself
    if (!IsObjectProperty(P)) {
      Problem(Property.Line, QStringLiteral("'%1' in '%2' is not an object").arg(Path[I], FullName));
      return;
    }
    QObject* Sub = P.read(Object).value<QObject*>();
    if (!Sub) {
      Problem(Property.Line, QStringLiteral("'%1' in '%2' is empty").arg(Path[I], FullName));
      return;
    }
    Object = Sub;
  }
  QString Last = Path.last();
  if (Path.size() >= 2 && Last == QLatin1String("Strings")) {
    QMetaProperty Owner = FindPublishedProperty(Object->metaObject(), Path[Path.size() - 2]);
    if (Owner.isValid() && Owner.metaType().id() == QMetaType::QStringList) Last = Path[Path.size() - 2];
  }

  if (TEventBase* Event = FRegistry.FindEvent(Object, Last)) {
    if (Value.Kind != TFormValueKind::Identifier) {
      Problem(Property.Line, QStringLiteral("%1 takes a handler name, not %2").arg(FullName, DescribeDesignValue(Value)));
      return;
    }
    QString Error;
    if (!BindEventHandler(*Event, FRoot, Str(Value.Text), Error))
      Problem(Property.Line, QStringLiteral("%1: %2").arg(FullName, Error));
    return;
  }

  QMetaProperty P = FindPublishedProperty(Object->metaObject(), Last);
  if (!P.isValid()) {
    auto* S = dynamic_cast<TStreamable*>(Object);
    if (Value.Kind == TFormValueKind::Binary && S &&
        S->ReadBinaryProperty(Last, QByteArray(Value.Text.data(), static_cast<qsizetype>(Value.Text.size()))))
      return;
    return Unknown();
  }

  if (IsObjectProperty(P)) {
    if (Value.Kind == TFormValueKind::Collection) return ReadCollection(Object, P, Property);
    if (Value.Kind == TFormValueKind::Identifier && P.isWritable()) {
      // A later value replaces a reference still waiting for its component.
      FReferences.removeIf([&](const TReference& R) { return R.Target == Object && R.Property == P.name(); });
      TReference Ref{Object, QByteArray(P.name()), Str(Value.Text), FFile, Property.Line};
      if (Ref.Name.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
        P.write(Object, QVariant(P.metaType()));
      } else if (Ref.Name == FRoot->objectName() || FindComponent(Ref.Name)) {
        SetReference(Ref);
      } else {
        FReferences.append(Ref);  // a component further down the design
      }
      return;
    }
    Problem(Property.Line, QStringLiteral("%1 takes %2, not %3")
                               .arg(FullName,
                                    P.isWritable() ? QStringLiteral("a component name") : QStringLiteral("nested values"),
                                    DescribeDesignValue(Value)));
    return;
  }

  if (!P.isWritable()) {
    Problem(Property.Line, QStringLiteral("%1 is read-only").arg(FullName));
    return;
  }
  QVariant V;
  QString Error;
  if (!DesignValueToVariant(Value, Object->metaObject(), P, FRegistry, V, Error)) {
    Problem(Property.Line, Error);
    return;
  }
  if (!P.write(Object, V)) Problem(Property.Line, QStringLiteral("%1 cannot be set to this value").arg(FullName));
}

void TFormReader::ReadCollection(QObject* Owner, const QMetaProperty& P, const TFormProperty& Property) {
  auto* Collection = qobject_cast<TCollection*>(P.read(Owner).value<QObject*>());
  if (!Collection) {
    Problem(Property.Line, QStringLiteral("%1 is not a collection").arg(Str(Property.Name)));
    return;
  }
  Collection->Clear();
  for (const TFormItem& Item : Property.Value.Items) ApplyProperties(Collection->Add(), Item.Properties);
}

void TFormReader::SetReference(const TReference& R) {
  if (!R.Target) return;
  FFile = R.File;
  QMetaProperty P = R.Target->metaObject()->property(R.Target->metaObject()->indexOfProperty(R.Property));
  QObject* Found = R.Name == FRoot->objectName() ? FRoot : FindComponent(R.Name);
  if (!Found) {
    Problem(R.Line, QStringLiteral("%1: there is no component '%2'").arg(QString::fromLatin1(R.Property), R.Name));
    return;
  }
  const QMetaObject* Wanted = P.metaType().metaObject();
  if (Wanted && !Found->metaObject()->inherits(Wanted)) {
    Problem(R.Line, QStringLiteral("%1 takes a %2, but '%3' is a %4")
                        .arg(QString::fromLatin1(R.Property), QString::fromLatin1(Wanted->className()), R.Name,
                             ClassOf(Found)));
    return;
  }
  if (!P.write(R.Target, QVariant::fromValue(Found)))
    Problem(R.Line, QStringLiteral("%1 cannot be set to '%2'").arg(QString::fromLatin1(R.Property), R.Name));
}

void TFormReader::Finish() {
  if (FFinished) return;
  FFinished = true;
  for (const TReference& R : FReferences) SetReference(R);
  FReferences.clear();

  QList<TCreated> All;
  All.append({FRoot, FRootFile, FRootLine});
  All.append(FCreated);
  for (const TCreated& C : All) {
    auto* S = C.Object ? dynamic_cast<TStreamable*>(C.Object.data()) : nullptr;
    if (!S) continue;
    S->SetLoading(false);
    try {
      S->Loaded();
    } catch (const std::exception& E) {
      FFile = C.File;
      Problem(C.Line, QString::fromUtf8(E.what()));
    }
  }
}
