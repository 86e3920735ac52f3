#pragma once
// Forms: windows (pages, dialogs) whose components come from a design.
//
// A form class derives from TForm, declares its handlers as slots, and is
// registered once with  TComponentRegistry::Instance().RegisterForm<TfmX>().
// It is created with its design by CreateForm:
//
//   class TfmBIU0 : public TForm {
//     Q_OBJECT
//     Q_PROPERTY(TMMTerm* MMTerm2 MEMBER MMTerm2)   // optional: filled by name
//    public:
//     using TForm::TForm;
//     TMMTerm* MMTerm2 = nullptr;
//    public slots:
//     void FormCreate(QObject* Sender);
//     void MMTerm1Click(QObject* Sender);
//   };
//   std::unique_ptr<TfmBIU0> Page = CreateForm<TfmBIU0>();
//
// LoadDesign reads the designs of the class and of its form base classes,
// base first (so TfmBIAPlusB2 : TfmBIAPlusB starts from the design of
// TfmBIAPlusB and its own design, if any, starts with "inherited"), runs
// Loaded() on every component and then the form's OnCreate. A design that
// cannot be loaded raises EFormError naming file, line and problem.
#include <QList>
#include <QPointer>
#include <memory>

#include "platform/Controls.h"
#include "platform/FormDesigns.h"
#include "platform/FormErrors.h"

enum class TDesignMode {
  Run,    // the program: OnCreate runs after loading
  Check,  // the design check: load only
};

class TCustomForm : public TControl {
  Q_OBJECT
  Q_PROPERTY(int Width READ Width WRITE SetWidth STORED false)
  Q_PROPERTY(int Height READ Height WRITE SetHeight STORED false)
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
  Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
 public:
  explicit TCustomForm(QWidget* Parent = nullptr);
  ~TCustomForm() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;

  int ClientWidth() const { return width(); }
  void SetClientWidth(int Value) { SetWidth(Value); }
  int ClientHeight() const { return height(); }
  void SetClientHeight(int Value) { SetHeight(Value); }

  // Loads the form's designs; throws EFormError.
  void LoadDesign(TDesignMode Mode = TDesignMode::Run);
  // The same, returning the problems instead of throwing. With OwnDesign the
  // form's own class uses that design instead of its registered one.
  QList<TFormProblem> TryLoadDesign(TDesignMode Mode = TDesignMode::Run, const TFormDesign* OwnDesign = nullptr);
  // Loads one given design into the form (a plain TForm, the check command).
  QList<TFormProblem> LoadDesignText(const QByteArray& Text, const QString& FileName,
                                     TDesignMode Mode = TDesignMode::Run);
  bool DesignLoaded() const { return FDesignLoaded; }

  // The components the design created, in creation order.
  QList<QObject*> Components() const;
  QObject* FindComponent(const QString& Name) const;
  // The component Name as a T; throws EFormError when there is none.
  template <class T>
  T* Component(const QString& Name) const {
    T* Found = qobject_cast<T*>(FindComponent(Name));
    if (!Found) MissingComponent(Name, T::staticMetaObject.className());
    return Found;
  }

 protected:
  void CaptionChanged() override;
  void paintEvent(QPaintEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  [[noreturn]] void MissingComponent(const QString& Name, const char* ClassName) const;
  QList<TFormProblem> Load(const QList<std::pair<QByteArray, QString>>& Designs, TDesignMode Mode);

  QList<QPointer<QObject>> FComponents;
  bool FDesignLoaded = false;
};

// A form without code of its own; also the base of every form class.
class TForm : public TCustomForm {
  Q_OBJECT
 public:
  explicit TForm(QWidget* Parent = nullptr);
};

// A new form of class T with its design loaded; throws EFormError.
template <class T>
std::unique_ptr<T> CreateForm(QWidget* Parent = nullptr) {
  auto Form = std::make_unique<T>(Parent);
  Form->LoadDesign();
  return Form;
}
