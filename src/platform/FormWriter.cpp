#include "platform/FormWriter.h"

#include <QSaveFile>

#include "platform/Collections.h"
#include "platform/FormValues.h"
#include "platform/Streamable.h"

namespace {

std::string Utf8(const QString& S) { return S.toUtf8().toStdString(); }

TFormProperty MakeProperty(const QString& Name, TFormValue Value) {
  TFormProperty P;
  P.Name = Utf8(Name);
  P.Value = std::move(Value);
  return P;
}

TFormValue Identifier(const QString& Name) {
  TFormValue V;
  V.Kind = TFormValueKind::Identifier;
  V.Text = Utf8(Name);
  return V;
}

bool SameValue(const TFormValue& A, const TFormValue& B) { return FormatFormValue(A) == FormatFormValue(B); }

QObject* ObjectValue(const QMetaProperty& P, QObject* Object) {
  return Object ? P.read(Object).value<QObject*>() : nullptr;
}

}  // namespace

TFormWriter::TFormWriter(const TComponentRegistry& Registry) : FRegistry(Registry) {}

QByteArray TFormWriter::WriteText(QObject* Root) const {
  std::string Text = FormatFormText(Write(Root));
  return QByteArray(Text.data(), static_cast<qsizetype>(Text.size()));
}

TFormObject TFormWriter::Write(QObject* Root) const {
  TFormObject Node;
  WriteComponent(Root, Root, Node);
  return Node;
}

bool TFormWriter::IsComponentOf(QObject* Candidate, QObject* Root) const {
  if (!Candidate || FRegistry.FindClass(QString::fromLatin1(Candidate->metaObject()->className())) !=
                        Candidate->metaObject())
    return false;
  for (QObject* O = Candidate; O; O = O->parent())
    if (O == Root) return true;
  return false;
}

void TFormWriter::WriteComponent(QObject* Object, QObject* Root, TFormObject& Node) const {
  Node.Kind = TFormObjectKind::Object;
  Node.Name = Utf8(Object->objectName());
  Node.ClassName = Object->metaObject()->className();
  std::unique_ptr<QObject> Default = FRegistry.Create(QString::fromLatin1(Object->metaObject()->className()));
  WriteProperties(Object, Default.get(), Root, QString(), Node.Properties);

  QList<QObject*> SubObjects;
  for (const QMetaProperty& P : PublishedProperties(Object->metaObject()))
    if (IsObjectProperty(P)) SubObjects.append(ObjectValue(P, Object));
  for (QObject* Child : Object->children()) {
    if (SubObjects.contains(Child) || !IsComponentOf(Child, Root)) continue;
    TFormObject ChildNode;
    WriteComponent(Child, Root, ChildNode);
    Node.Children.push_back(std::move(ChildNode));
  }
}

void TFormWriter::WriteProperties(QObject* Object, QObject* Default, QObject* Root, const QString& Prefix,
                                  std::vector<TFormProperty>& Out) const {
  const QMetaObject* Meta = Object->metaObject();
  auto* Streamable = dynamic_cast<TStreamable*>(Object);
  if (Default && Default->metaObject() != Meta) Default = nullptr;
  for (const QMetaProperty& P : PublishedProperties(Meta)) {
    const QString Name = QString::fromLatin1(P.name());
    if (!P.isReadable() || !FRegistry.IsStored(Meta, P) || (Streamable && !Streamable->IsStored(Name))) continue;

    if (IsObjectProperty(P)) {
      QObject* Value = ObjectValue(P, Object);
      QObject* DefaultValue = ObjectValue(P, Default);
      if (qobject_cast<TCollection*>(Value)) {
        TFormValue Items = CollectionValue(Value, DefaultValue, Root);
        bool Skip = DefaultValue ? SameValue(Items, CollectionValue(DefaultValue, nullptr, Root)) : Items.Items.empty();
        if (!Skip) Out.push_back(MakeProperty(Prefix + Name, std::move(Items)));
      } else if (!Value) {
        if (DefaultValue && P.isWritable()) Out.push_back(MakeProperty(Prefix + Name, Identifier(QStringLiteral("nil"))));
      } else if (IsComponentOf(Value, Root)) {
        bool IsField = Object == Root && Value->objectName() == Name;
        if (P.isWritable() && !IsField && !Value->objectName().isEmpty())
          Out.push_back(MakeProperty(Prefix + Name, Identifier(Value->objectName())));
      } else if (Value->parent() == Object) {
        // A nested object the component owns (font, pen, picture): its values
        // by dotted names. Objects owned elsewhere cannot be written.
        WriteProperties(Value, DefaultValue, Root, Prefix + Name + QLatin1Char('.'), Out);
      }
      continue;
    }

    if (!P.isWritable()) continue;
    TFormValue V;
    if (!VariantToDesignValue(P.read(Object), Meta, P, FRegistry, V)) continue;
    if (Default) {
      TFormValue D;
      if (VariantToDesignValue(P.read(Default), Meta, P, FRegistry, D) && SameValue(V, D)) continue;
    }
    QString Written = Prefix + Name;
    if (P.metaType().id() == QMetaType::QStringList) Written += QLatin1String(".Strings");
    Out.push_back(MakeProperty(Written, std::move(V)));
  }

  if (Streamable) {
    TBinaryProperties Binary, DefaultBinary;
    Streamable->WriteBinaryProperties(Binary);
    if (auto* DefaultStreamable = dynamic_cast<TStreamable*>(Default)) DefaultStreamable->WriteBinaryProperties(DefaultBinary);
    for (const auto& [Name, Bytes] : Binary) {
      bool Same = false;
      for (const auto& [DefaultName, DefaultBytes] : DefaultBinary)
        if (DefaultName == Name) Same = DefaultBytes == Bytes;
      if (Same) continue;
      TFormValue V;
      V.Kind = TFormValueKind::Binary;
      V.Text.assign(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
      Out.push_back(MakeProperty(Prefix + Name, std::move(V)));
    }
  }

  for (const auto& [Name, Event] : FRegistry.Events(Object)) {
    if (!Event->Assigned() || Event->HandlerName().isEmpty()) continue;
    TEventBase* DefaultEvent = Default ? FRegistry.FindEvent(Default, Name) : nullptr;
    if (DefaultEvent && DefaultEvent->HandlerName() == Event->HandlerName()) continue;
    Out.push_back(MakeProperty(Prefix + Name, Identifier(Event->HandlerName())));
  }
}

TFormValue TFormWriter::CollectionValue(QObject* Collection, QObject* DefaultCollection, QObject* Root) const {
  auto* Items = qobject_cast<TCollection*>(Collection);
  auto* Defaults = qobject_cast<TCollection*>(DefaultCollection);
  TFormValue V;
  V.Kind = TFormValueKind::Collection;
  for (int I = 0; I < Items->Count(); ++I) {
    // Item values are compared with those of a fresh item.
    QObject* Fresh = Defaults ? Defaults->Add() : nullptr;
    TFormItem Item;
    WriteProperties(Items->Item(I), Fresh, Root, QString(), Item.Properties);
    if (Defaults) Defaults->Delete(Defaults->Count() - 1);
    V.Items.push_back(std::move(Item));
  }
  return V;
}

bool SaveFormDesign(QObject* Root, const QString& Path, QString& Error) {
  QSaveFile File(Path);
  if (!File.open(QIODevice::WriteOnly)) {
    Error = File.errorString();
    return false;
  }
  File.write(TFormWriter().WriteText(Root));
  if (!File.commit()) {
    Error = File.errorString();
    return false;
  }
  return true;
}
