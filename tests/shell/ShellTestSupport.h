#pragma once
// Stand-in page forms for the shell tests (the real pages come from their
// designs), a message recorder and a main window set up with both.
#include <QColor>
#include <QStringList>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "shell/MMX.h"
#include "shell/Main.h"

// A page form: fills itself red, publishes its Tag.
class TStandInPage : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)
 public:
  explicit TStandInPage(QWidget* Parent = nullptr) : QWidget(Parent) {}
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  std::string ClassName;
  // The course object's page number while the form was being created.
  int PageAtCreation = 0;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  int FTag = 0;
};

// A page form from a design: Panel1 over the whole client area.
class TfmShellDemoPage : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;
  int PageAtCreation = -1;
  // Registers the class and its design (once).
  static void Register();

 public slots:
  void FormCreate(QObject* Sender);
};

// Makes stand-in pages for every class but the missing ones.
class TStandInPages {
 public:
  std::map<std::string, int> Tags;      // Tag per class (0 otherwise)
  std::set<std::string> Missing;        // classes the program does not have
  std::set<std::string> Failing;        // classes whose creation throws
  int Created = 0;
  TPageFactory Factory();
};

// Records every message dialog instead of showing it.
class TDialogRecorder {
 public:
  TDialogRecorder();
  QStringList Texts;

 private:
  TMessagePresenterScope FScope;
};

// Runs everything queued so far (posted messages, queued calls).
void RunPosted();

// A main window with stand-in pages, shown, page 10 loaded.
struct TShownMain {
  TStandInPages Pages;
  TDialogRecorder Messages;
  std::unique_ptr<TfmMain> Main;
  explicit TShownMain(bool Show = true);
  TMMX& Course() const { return Main->MMX(); }
  // Goes to Page the way a page asks for it and runs the request.
  void Goto(int Page, bool AddToHistory = true);
};
