#include "ShellTestSupport.h"

#include <QCoreApplication>
#include <QPainter>
#include <stdexcept>

#include "platform/ComponentRegistry.h"
#include "platform/FormDesigns.h"
#include "platform/PlatformClasses.h"

void TStandInPage::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), Qt::red);
}

TPageFactory TStandInPages::Factory() {
  return [this](const std::string& ClassName, QWidget* Parent) -> std::unique_ptr<QWidget> {
    if (Missing.count(ClassName)) return nullptr;
    if (Failing.count(ClassName)) throw std::runtime_error("design of " + ClassName + " is broken");
    auto Page = std::make_unique<TStandInPage>(Parent);
    Page->ClassName = ClassName;
    Page->setObjectName(QString::fromStdString(ClassName));
    const auto Tag = Tags.find(ClassName);
    Page->SetTag(Tag == Tags.end() ? 0 : Tag->second);
    Page->PageAtCreation = MMX ? MMX->CurrentPage() : -1;
    ++Created;
    return Page;
  };
}

TDialogRecorder::TDialogRecorder()
    : FScope([this](const TMessageRequest& Request) {
        Texts << Request.Text;
        return mrOk;
      }) {}

void RunPosted() {
  for (int I = 0; I < 3; ++I) QCoreApplication::sendPostedEvents();
}

TShownMain::TShownMain(bool Show) : Main(std::make_unique<TfmMain>()) {
  Pages.Tags["TfmStartseite"] = 4;
  Course().PageFactory = Pages.Factory();
  if (Show) {
    Main->show();
    RunPosted();
  }
}

void TShownMain::Goto(int Page, bool AddToHistory) {
  Course().PostGotoPage(Page, AddToHistory);
  RunPosted();
}

void TfmShellDemoPage::Register() {
  RegisterPlatformClasses();
  TComponentRegistry::Instance().RegisterForm<TfmShellDemoPage>();
  RegisterFormDesign(QStringLiteral("TfmShellDemoPage"),
                     "object fmShellDemoPage: TfmShellDemoPage\n"
                     "  ClientWidth = 736\n"
                     "  ClientHeight = 482\n"
                     "  OnCreate = FormCreate\n"
                     "  object Panel1: TPanel\n"
                     "    Align = alClient\n"
                     "    BevelOuter = bvNone\n"
                     "  end\n"
                     "end\n",
                     QStringLiteral("ShellDemoPage.frm"));
}

void TfmShellDemoPage::FormCreate(QObject*) { PageAtCreation = MMX ? MMX->CurrentPage() : 0; }
