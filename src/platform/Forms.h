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
#include "platform/Dialogs.h"
#include "platform/FormDesigns.h"
#include "platform/FormErrors.h"

enum class TDesignMode {
  Run,    // the program: OnCreate runs after loading
  Check,  // the design check: load only
};

class QEventLoop;

// Where a window appears when it is shown the first time.
enum TPosition { poDesigned, poScreenCenter };

// A key pressed: Sender, the Qt key code (set it to 0 to keep the key from
// the control) and the Qt keyboard modifiers.
using TKeyEvent = TEvent<int&, int>;

// Orders the Tab chain of a form's controls by their designs' TabOrder:
// within each parent by TabOrder (controls without one after those with
// one, in the order they were made), each control followed by the controls
// inside it. Loading a design does this.
void ApplyTabOrder(QWidget* Form);

class TCustomForm : public TControl {
  Q_OBJECT
  Q_PROPERTY(int Width READ Width WRITE SetWidth STORED false)
  Q_PROPERTY(int Height READ Height WRITE SetHeight STORED false)
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
  Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
  Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
  Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
 public:
  explicit TCustomForm(QWidget* Parent = nullptr);
  ~TCustomForm() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  // Keys that reach the form; with KeyPreview every key pressed in the form,
  // before the focused control sees it.
  TKeyEvent OnKeyDown;

  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }

  // Shows the form as a modal window and returns once a button or code has
  // set a modal result (closing the window is mrCancel).
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  // Ends a modal showing with Value (mrNone keeps it open).
  void SetModalResult(TModalResult Value);
  bool Modal() const { return FModalLoop != nullptr; }

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
  // Runs once the design is loaded and its components are known (not for
  // the design check): raises OnCreate. A form class may prepare itself
  // first.
  virtual void DoCreate();
  void CaptionChanged() override;
  void paintEvent(QPaintEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // Raises OnKeyDown for Event; true when the handler took the key.
  bool KeyDown(QKeyEvent* Event);
  // Enter clicks the Default button, Escape the Cancel button; true when
  // one was clicked.
  bool DialogKey(int Key);
  void PlaceOnScreen();

  [[noreturn]] void MissingComponent(const QString& Name, const char* ClassName) const;
  QList<TFormProblem> Load(const QList<std::pair<QByteArray, QString>>& Designs, TDesignMode Mode);

  QList<QPointer<QObject>> FComponents;
  bool FDesignLoaded = false;
  bool FKeyPreview = false;
  TPosition FPosition = poDesigned;
  bool FPlaced = false;
  TModalResult FModalResult = mrNone;
  QEventLoop* FModalLoop = nullptr;
  bool FModalExitAsked = false;
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
