// The information window as the author uses it: shown modally over the main
// window, driven by its keys, every showing ended by the test itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ShellTestSupport.h"
#include "components/ComponentClasses.h"
#include "components/GIFImage.h"
#include "components/MyHtml.h"
#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/PlatformClasses.h"
#include "platform/StdControls.h"
#include "scene/MMBoxRegister.h"
#include "scene/SceneControls.h"
#include "shell/About.h"
#include "shell/Messages.h"
#include "shell/ShellClasses.h"
#include "support/MessageRecorder.h"
#include "support/ModalGuard.h"

namespace {

struct TAboutMain : TShownMain {
  TAboutMain() : TShownMain(false) {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterSceneBoxClasses();
    RegisterShellClasses();
    Main->show();
    RunPosted();
  }
};

void PressKey(TCustomForm& Window, int Key) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier);
  QWidget* Receiver = Window.focusWidget() ? Window.focusWidget() : &Window;
  QApplication::sendEvent(Receiver, &Press);
}

TGIFImage* Figure(const TfmAbout& About) { return About.Component<TGIFImage>(QStringLiteral("GIFImage1")); }

// Shows About modally, runs Act once it shows, and returns how it closed.
TModalResult WhileShown(TfmAbout& About, const std::function<void()>& Act) {
  TModalGuard Guard;
  bool Acted = false;
  QTimer::singleShot(0, [&] {
    Acted = true;
    Act();
  });
  const TModalResult Result = About.ShowModal();
  EXPECT_TRUE(Acted);
  EXPECT_FALSE(Guard.Fired()) << "the window was still showing";
  return Result;
}

// Makes the current folder Folder while it lives.
class TCurrentFolder {
 public:
  explicit TCurrentFolder(const QString& Folder) : FBefore(QDir::currentPath()) { QDir::setCurrent(Folder); }
  ~TCurrentFolder() { QDir::setCurrent(FBefore); }

 private:
  QString FBefore;
};

}  // namespace

TEST(AboutWindow, ShowingFillsTitleVersionAndPathTheFigureMovesOnlyMeanwhileEnterOrEscapeClose) {
  TAboutMain M;
  for (const int Key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    const auto About = CreateForm<TfmAbout>(M.Main.get());
    EXPECT_FALSE(Figure(*About)->Animate());
    const TModalResult Result = WhileShown(*About, [&] {
      EXPECT_EQ(About->Component<TLabel>(QStringLiteral("ProductName"))->Caption(), ApplicationTitle());
      EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version ALPHA \\(0\\.73\\.\\d{4,}\\)$"))
                      .match(About->Component<TLabel>(QStringLiteral("Version"))->Caption())
                      .hasMatch())
          << About->Component<TLabel>(QStringLiteral("Version"))->Caption().toStdString();
      EXPECT_EQ(QDir::fromNativeSeparators(About->Component<TEdit>(QStringLiteral("Edit1"))->Text()),
                QCoreApplication::applicationFilePath());
      EXPECT_TRUE(Figure(*About)->Animate());
      PressKey(*About, Key);
    });
    EXPECT_EQ(Result, mrOk) << Key;
    EXPECT_TRUE(About->isHidden());
    EXPECT_FALSE(Figure(*About)->Animate());
  }
}

TEST(AboutWindow, FunctionKeysReachTheirActions) {
  TAboutMain M;
  QTemporaryDir Dir;
  const TCurrentFolder Here(Dir.path());
  // Plain dialogs answered No; message window texts recorded.
  QList<TMessageRequest> Dialogs;
  TMessagePresenterScope Answer([&](const TMessageRequest& R) {
    Dialogs << R;
    return mrNo;
  });
  TMessageRecorder Window;
  int FoldersAsked = 0;
  const TfmAbout::TFolderChooser Before = TfmAbout::SetFolderChooser([&](const QString&) -> std::optional<QString> {
    ++FoldersAsked;
    return std::nullopt;
  });
  const auto Only = [&](const QString& Pattern) {
    ASSERT_EQ(Dialogs.size(), 1);
    EXPECT_TRUE(QRegularExpression(Pattern).match(Dialogs[0].Text).hasMatch()) << Dialogs[0].Text.toStdString();
    EXPECT_EQ(Window.Count(), 0);
  };
  const auto Message = [&](TMessageSize Size) {
    EXPECT_TRUE(Dialogs.isEmpty());
    ASSERT_EQ(Window.Count(), 1);
    EXPECT_EQ(Window.LastCaption(), "Meldung");
    EXPECT_EQ(LayOutMessage(Window.LastText().toStdString()).Size, Size) << Window.LastText().toStdString();
  };
  const auto About = CreateForm<TfmAbout>(M.Main.get());
  const struct {
    int Key;
    std::function<void()> Check;
  } Keys[] = {
      {Qt::Key_F1, [&] { Only("^Ausmaße der einzelnen Bereiche : \r\nToolbar: 800 x \\d+\r\nSeite: 800 x \\d+/\\d+\r\n"
                              "Applikation: 800 x 576\r\n$"); }},
      {Qt::Key_F2, [&] { Only("^Phys\\. Speicher: \\d+% = \\d+ MB$"); }},
      {Qt::Key_F3,
       [&] {
         Only("^Die Seitentexte stehen in .*QXInfo\\.txt\\.$");
         QFile Texts(QDir(Dir.path()).filePath(QStringLiteral("QXInfo.txt")));
         ASSERT_TRUE(Texts.open(QIODevice::ReadOnly));
         EXPECT_TRUE(Texts.readAll().startsWith("10: Velotra\r\n"));
       }},
      {Qt::Key_F4, [&] { Message(TMessageSize::Normal); }},
      {Qt::Key_F5, [&] { Message(TMessageSize::Large); }},
      {Qt::Key_F6, [&] { Message(TMessageSize::Small); }},
      {Qt::Key_F7,
       [&] {
         ASSERT_EQ(Dialogs.size(), 1);
         EXPECT_EQ(Dialogs[0].Text, "Hiermit erzeugen Sie von jeder Seite ein GIF-Bild. Fortfahren?");
         EXPECT_EQ(Dialogs[0].Type, mtWarning);
         EXPECT_EQ(Dialogs[0].Buttons, mbYesNo);
         EXPECT_EQ(FoldersAsked, 0);  // No: nothing more
         EXPECT_TRUE(About->isVisible());
       }},
      {Qt::Key_F8,
       [&] {
         EXPECT_TRUE(Dialogs.isEmpty());
         const QStringList Lines = About->Component<TMiniHTML>(QStringLiteral("Memo1"))->Lines();
         EXPECT_TRUE(Lines.contains("TfmMain <br>"));
         EXPECT_TRUE(Lines.contains("TfmAbout <br>"));
         for (const QString& Line : Lines) EXPECT_TRUE(Line.endsWith(" <br>")) << Line.toStdString();
       }},
  };
  WhileShown(*About, [&] {
    for (const auto& K : Keys) {
      SCOPED_TRACE(QKeySequence(K.Key).toString().toStdString());
      Dialogs.clear();
      Window.Clear();
      PressKey(*About, K.Key);
      K.Check();
      EXPECT_FALSE(About->isHidden());
    }
    PressKey(*About, Qt::Key_Escape);
  });
  TfmAbout::SetFolderChooser(Before);
}

TEST(AboutWindow, PictureExportStepsAsideForTheWalkAndComesBack) {
  TAboutMain M;
  QTemporaryDir Dir;
  TMessagePresenterScope Yes([](const TMessageRequest&) { return mrYes; });
  std::optional<QString> Folder;  // first cancelled
  const TfmAbout::TFolderChooser Before =
      TfmAbout::SetFolderChooser([&](const QString&) -> std::optional<QString> { return Folder; });
  const auto About = CreateForm<TfmAbout>(M.Main.get());
  // What the window does while each page of the walk is made.
  QList<bool> Shown;
  QList<bool> Moving;
  M.Course().PageFactory = [&, Inner = M.Pages.Factory()](const std::string& ClassName, QWidget* Parent) {
    Shown << About->isVisible();
    Moving << Figure(*About)->Animate();
    return Inner(ClassName, Parent);
  };
  WhileShown(*About, [&] {
    PressKey(*About, Qt::Key_F7);
    EXPECT_TRUE(Shown.isEmpty());
    EXPECT_TRUE(About->isVisible());
    Folder = Dir.path();
    PressKey(*About, Qt::Key_F7);
    EXPECT_GE(Shown.size(), M.Course().Model().Pages().Count() - 1);  // all but the page shown
    EXPECT_FALSE(Shown.contains(true));
    EXPECT_FALSE(Moving.contains(true));
    // Back again, as it was, and still the modal window.
    EXPECT_TRUE(About->isVisible());
    EXPECT_TRUE(Figure(*About)->Animate());
    EXPECT_TRUE(About->Modal());
    PressKey(*About, Qt::Key_Escape);
  });
  EXPECT_EQ(QDir(Dir.path()).entryList({"*.gif"}, QDir::Files).size(), M.Course().Model().Pages().Count());
  TfmAbout::SetFolderChooser(Before);
}
