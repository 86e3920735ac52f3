#pragma once
// Builds components from form designs.
//
// The reader creates the components a design names through the component
// registry (children get the enclosing component as parent; the design's
// root, usually the form, owns them all), sets their published properties in
// file order, binds events to the root's handlers, and fills collections.
// A design that starts with "inherited" builds on the designs read before
// into the same root: "inherited Name: TClass" changes a component created
// earlier, "object" adds a new one.
//
// After the last design, Finish() sets references between components
// ("FocusControl = Edit1") and calls Loaded() on the root and every
// component, in creation order. Every problem is collected with file and
// line; the reader goes on where it sensibly can, so one pass reports all.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include "platform/ComponentRegistry.h"
#include "platform/FormErrors.h"
#include "platform/FormText.h"

class TFormReader {
 public:
  explicit TFormReader(QObject* Root, const TComponentRegistry& Registry = TComponentRegistry::Instance());
  ~TFormReader();
  TFormReader(const TFormReader&) = delete;
  TFormReader& operator=(const TFormReader&) = delete;

  // Parses and applies one design.
  void Read(const QByteArray& Text, const QString& FileName);
  // Applies one parsed design.
  void Read(const TFormObject& Design, const QString& FileName);
  // Resolves references and runs Loaded(); call once after the last Read.
  void Finish();

  const QList<TFormProblem>& Problems() const { return FProblems; }
  // The components created so far, in creation order (the root not among them).
  QList<QObject*> Components() const;

 private:
  struct TReference {
    QPointer<QObject> Target;
    QByteArray Property;
    QString Name;
    QString File;
    int Line;
  };
  struct TCreated {
    QPointer<QObject> Object;
    QString File;
    int Line;
  };

  void Problem(int Line, const QString& Message);
  void ReadChildren(QObject* Parent, const TFormObject& Node);
  QObject* CreateChild(QObject* Parent, const TFormObject& Node);
  QObject* FindInherited(const TFormObject& Node);
  void ApplyProperties(QObject* Target, const std::vector<TFormProperty>& Properties);
  void ApplyProperty(QObject* Target, const TFormProperty& Property);
  void ReadCollection(QObject* Owner, const QMetaProperty& P, const TFormProperty& Property);
  void BindField(QObject* Child);
  void SetReference(const TReference& R);
  QObject* FindComponent(const QString& Name) const;

  QObject* FRoot;
  const TComponentRegistry& FRegistry;
  QString FFile;
  int FDesigns = 0;
  bool FFinished = false;
  QList<TCreated> FCreated;
  QList<TReference> FReferences;
  QList<TFormProblem> FProblems;
  int FRootLine = 0;
  QString FRootFile;
};
