#pragma once
// Writes a component tree back in the design notation, so that reading the
// result gives the same components with the same properties.
//
// What is written: the root and every child component (a child object of a
// registered class that is not one of its owner's object properties), in
// child order; for each, the published, stored properties whose values
// differ from those of a freshly created instance of the same class; nested
// objects the component owns as dotted names; collections item by item; binary values from
// TStreamable::WriteBinaryProperties; events bound to a named handler.
// References to other components are written by name.
#include <QByteArray>
#include <QString>

#include "platform/ComponentRegistry.h"
#include "platform/FormText.h"

class TFormWriter {
 public:
  explicit TFormWriter(const TComponentRegistry& Registry = TComponentRegistry::Instance());

  TFormObject Write(QObject* Root) const;
  QByteArray WriteText(QObject* Root) const;

 private:
  void WriteComponent(QObject* Object, QObject* Root, TFormObject& Node) const;
  void WriteProperties(QObject* Object, QObject* Default, QObject* Root, const QString& Prefix,
                       std::vector<TFormProperty>& Out) const;
  TFormValue CollectionValue(QObject* Collection, QObject* DefaultCollection, QObject* Root) const;
  bool IsComponentOf(QObject* Candidate, QObject* Root) const;

  const TComponentRegistry& FRegistry;
};

// Writes Root's design to Path atomically. False with Error set on failure.
bool SaveFormDesign(QObject* Root, const QString& Path, QString& Error);
