#include "platform/Forms.h"

#include <QPainter>

#include "platform/FormReader.h"

TCustomForm::TCustomForm(QWidget* Parent) : TControl(Parent) {
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::LoadDesign(TDesignMode Mode) {
  QList<TFormProblem> Problems = TryLoadDesign(Mode);
  if (!Problems.isEmpty()) throw EFormError(Problems);
}

QList<TFormProblem> TCustomForm::TryLoadDesign(TDesignMode Mode, const TFormDesign* OwnDesign) {
  QList<const QMetaObject*> Chain;
  for (const QMetaObject* M = metaObject(); M && M != &TForm::staticMetaObject && M != &TCustomForm::staticMetaObject;
       M = M->superClass())
    Chain.prepend(M);
  QList<std::pair<QByteArray, QString>> Designs;
  for (const QMetaObject* M : Chain) {
    if (M == metaObject() && OwnDesign) {
      Designs.append({OwnDesign->Text, OwnDesign->FileName});
    } else if (std::optional<TFormDesign> D = FindFormDesign(QString::fromLatin1(M->className()))) {
      Designs.append({D->Text, D->FileName});
    }
  }
  if (Designs.isEmpty()) {
    QString Name = QString::fromLatin1(metaObject()->className());
    return {{FormResourcePath(Name), 0, QStringLiteral("there is no design for %1").arg(Name)}};
  }
  return Load(Designs, Mode);
}

QList<TFormProblem> TCustomForm::LoadDesignText(const QByteArray& Text, const QString& FileName, TDesignMode Mode) {
  return Load({{Text, FileName}}, Mode);
}

QList<TFormProblem> TCustomForm::Load(const QList<std::pair<QByteArray, QString>>& Designs, TDesignMode Mode) {
  if (FDesignLoaded) return {{Designs.value(0).second, 0, QStringLiteral("the form's design is loaded already")}};
  FDesignLoaded = true;
  TFormReader Reader(this);
  for (const auto& [Text, FileName] : Designs) Reader.Read(Text, FileName);
  Reader.Finish();
  for (QObject* C : Reader.Components()) FComponents.append(C);
  if (Reader.Problems().isEmpty() && Mode == TDesignMode::Run) OnCreate(this);
  return Reader.Problems();
}

QList<QObject*> TCustomForm::Components() const {
  QList<QObject*> Result;
  for (const QPointer<QObject>& C : FComponents)
    if (C) Result.append(C.data());
  return Result;
}

QObject* TCustomForm::FindComponent(const QString& Name) const {
  for (const QPointer<QObject>& C : FComponents)
    if (C && C->objectName() == Name) return C.data();
  return nullptr;
}

void TCustomForm::MissingComponent(const QString& Name, const char* ClassName) const {
  throw EFormError({{FormResourcePath(QString::fromLatin1(metaObject()->className())), 0,
                     QStringLiteral("%1 has no component '%2' of class %3")
                         .arg(QString::fromLatin1(metaObject()->className()), Name, QString::fromLatin1(ClassName))}});
}

void TCustomForm::CaptionChanged() { setWindowTitle(Caption()); }

void TCustomForm::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(Color()));
}

void TCustomForm::showEvent(QShowEvent* Event) {
  TControl::showEvent(Event);
  OnShow(this);
}

TForm::TForm(QWidget* Parent) : TCustomForm(Parent) {}
