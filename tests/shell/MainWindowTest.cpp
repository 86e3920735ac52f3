#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "ShellTestSupport.h"
#include "platform/UserMessage.h"
#include "shell/HelpWindow.h"
#include "platform/StdControls.h"
#include "shell/StatusPanels.h"
#include "components/ComponentClasses.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "shell/ShellClasses.h"
#include "shell/TableOfContents.h"

namespace {

QWidget* Page(const TShownMain& M) { return M.Course().CurrentPageForm(); }

QAction* FindItem(const TfmMain& Main, const QString& Caption) {
  for (QAction* Menu : Main.MainMenu()->actions())
    for (QAction* Item : Menu->menu()->actions())
      if (Item->text() == Caption) return Item;
  return nullptr;
}

}  // namespace

TEST(MainWindow, FirstShowLoadsPage10Once) {
  TShownMain M(false);
  EXPECT_TRUE(M.Main->FirstShowPending());
  EXPECT_EQ(M.Pages.Created, 0);
  M.Main->show();
  RunPosted();
  EXPECT_FALSE(M.Main->FirstShowPending());
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  EXPECT_EQ(M.Pages.Created, 1);
  EXPECT_EQ(M.Course().Model().History().Items(), std::vector<int>{10});
  EXPECT_EQ(M.Main->windowTitle(), "Velotra");
  EXPECT_EQ(M.Course().Model().LearnPath().Count(), M.Course().Model().Contents().NodeCount() - 1);

  PostUserMessage(M.Main.get(), HideMainCode, 0);
  RunPosted();
  EXPECT_TRUE(M.Main->isHidden());
  PostUserMessage(M.Main.get(), ShowMainCode, 0);
  RunPosted();
  EXPECT_FALSE(M.Main->isHidden());
  EXPECT_EQ(M.Pages.Created, 1);
  EXPECT_EQ(M.Course().Model().History().Count(), 1);
  EXPECT_TRUE(M.Messages.Texts.isEmpty());
}

TEST(MainWindow, WorkThatWaitsForTheFirstPaintingRunsOnceInOrder) {
  // The page overview is made after the first painting too: its classes.
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterShellClasses();
  TShownMain M(false);
  std::vector<int> Ran;
  M.Main->AfterFirstPaint([&] {
    Ran.push_back(1);
    M.Main->AfterFirstPaint([&] { Ran.push_back(3); });  // work added by work comes last
  });
  M.Main->AfterFirstPaint([&] { Ran.push_back(2); });
  auto RunUntil = [](const std::function<bool()>& Done) {
    const QDeadlineTimer Guard(10000);
    while (!Done() && !Guard.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
  };
  RunPosted();
  EXPECT_TRUE(Ran.empty()) << "nothing runs before the window shows";
  M.Main->show();
  RunUntil([&] { return Ran.size() >= 3; });
  EXPECT_EQ(Ran, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  // Later work runs soon; showing the window again repeats nothing.
  M.Main->AfterFirstPaint([&] { Ran.push_back(4); });
  M.Main->hide();
  M.Main->show();
  RunUntil([&] { return Ran.size() >= 4; });
  for (int I = 0; I < 5; ++I) QApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(Ran, (std::vector<int>{1, 2, 3, 4}));
}

TEST(MainWindow, PlacementAndLayout) {
  TShownMain M;
  const QSize Screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(M.Main->pos(), QPoint((Screen.width() - 800) / 2, (Screen.height() - 600) / 2));
  EXPECT_EQ(M.Main->size(), QSize(800, 576));
  EXPECT_EQ(M.Main->Panel1->height(), 39);
  EXPECT_EQ(M.Main->StatusBar->geometry().bottom(), 575);
  EXPECT_EQ(M.Main->Panel2->geometry().top(), M.Main->Panel1->geometry().bottom() + 1);
  EXPECT_EQ(Page(M)->geometry(), QRect(QPoint(0, 0), M.Main->Panel2->size()));
  EXPECT_EQ(M.Main->sbLast->geometry(), QRect(753, 3, 33, 33));
  EXPECT_EQ(M.Main->ComboBox1->geometry().topLeft(), QPoint(212, 7));
  EXPECT_EQ(M.Main->ComboBox1->width(), 401);
  const QStringList Texts{"", "Ton", "An", "Lernpfad", "Standard"};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(M.Main->StatusBar->PanelText(I), Texts[I]);
  EXPECT_TRUE(M.Main->StatusBar1->isHidden());
  EXPECT_EQ(M.Main->StatusBar1->PanelCount(), 12);
  EXPECT_EQ(M.Main->StatusBar1->PanelText(11), "Hallo");
}

TEST(MainWindow, PostedNavigationRunsAfterTheHandler) {
  TShownMain M;
  QPointer<QWidget> Start = Page(M);
  M.Course().PostGotoPage(100, true);
  // The asking page is still shown until its handler has returned.
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  EXPECT_EQ(Page(M), Start.data());
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 100);
  EXPECT_TRUE(Start.isNull());
  EXPECT_EQ(static_cast<TStandInPage*>(Page(M))->PageAtCreation, 100);
  EXPECT_EQ(M.Main->windowTitle(), "Velotra/Rechenvorschriften");
  EXPECT_FALSE(Page(M)->isHidden());

  M.Goto(110, false);  // code 4 with -110: no history
  EXPECT_EQ(M.Course().CurrentPage(), 110);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 100}));
}

TEST(MainWindow, GoingToTheCurrentPageDoesNothing) {
  TShownMain M;
  QPointer<QWidget> Start = Page(M);
  M.Goto(10);
  M.Course().GotoPage(10, true);
  EXPECT_EQ(Page(M), Start.data());
  EXPECT_EQ(M.Pages.Created, 1);
  EXPECT_EQ(M.Course().Model().History().Count(), 1);
}

TEST(MainWindow, RefusedPagesChangeNothing) {
  TShownMain M;
  M.Goto(120);
  M.Pages.Missing.insert("TfmRVBeispiele");
  QPointer<QWidget> Shown = Page(M);
  const QString Caption = M.Main->windowTitle();
  M.Goto(28);   // no page table row
  M.Goto(130);  // a page form the program does not have
  EXPECT_EQ(M.Messages.Texts, QStringList({"Seite 28 nicht vorhanden.", "Seite 130 nicht vorhanden."}));
  EXPECT_EQ(Page(M), Shown.data());
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  EXPECT_EQ(M.Course().CurrentChapter(), 1);
  EXPECT_EQ(M.Main->windowTitle(), Caption);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 120}));

  M.Pages.Failing.insert("TfmBIAPlusB");
  EXPECT_THROW(M.Course().GotoPage(810, true), std::runtime_error);
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  EXPECT_EQ(M.Course().CurrentChapter(), 1);
  EXPECT_EQ(Page(M), Shown.data());
}

TEST(MainWindow, ARefusedChoiceInThePageComboGoesBackToTheShownPage) {
  TShownMain M;
  M.Goto(120);
  M.Pages.Missing.insert("TfmRVBeispiele");
  QComboBox* Combo = M.Main->ComboBox1;
  ASSERT_EQ(Combo->itemData(2).toInt(), 130);
  Combo->setCurrentIndex(2);
  M.Main->ComboBox1Change(Combo);
  M.Main->setWindowTitle("verstellt");
  M.Main->sbNext->hide();
  RunPosted();
  EXPECT_EQ(M.Messages.Texts, QStringList{"Seite 130 nicht vorhanden."});
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  EXPECT_EQ(Combo->currentIndex(), 1);
  EXPECT_EQ(Combo->currentText(), ".../Rechenvorschriften/Bremsweg");
  EXPECT_EQ(M.Main->windowTitle(), "Velotra/Rechenvorschriften/Bremsweg");
  EXPECT_FALSE(M.Main->sbNext->isHidden());

  // The same after a page outside an exclusive learning path.
  TLearnPath& Path = M.Course().Model().LearnPath();
  Path.Clear();
  Path.Append({120});
  Path.SetExclusive(true);
  Combo->setCurrentIndex(3);
  M.Main->ComboBox1Change(Combo);
  RunPosted();
  EXPECT_EQ(M.Messages.Texts.last(), "Seite nicht im Lernpfad");
  EXPECT_EQ(Combo->currentIndex(), 1);
}

TEST(MainWindow, TheTasksChapterHasItsStartPage) {
  TShownMain M;
  M.Goto(1000);
  EXPECT_TRUE(M.Messages.Texts.isEmpty());
  EXPECT_EQ(M.Course().CurrentPage(), 1000);
  EXPECT_EQ(static_cast<TStandInPage*>(Page(M))->ClassName, "TfmChapterStart");
  M.Goto(1010);
  M.Main->sbSuper->click();  // "Zur Übersicht" from the game
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 1000);
  M.Goto(900);
  M.Main->sbNext->click();
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 1000);
  EXPECT_TRUE(M.Messages.Texts.isEmpty());
}

TEST(MainWindow, AnUnusableLearnPathFileIsReportedOnceAtStartUp) {
  const struct {
    std::string Switch;
    std::string Content;  // empty: no such file
    QString Message;
  } Cases[] = {
      {"/L", "", "%1 nicht gefunden."},
      {"/X", "120\n12a\n", "%2, Zeile 2: Format der Lernpfaddatei stimmt nicht."},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Switch);
    const std::string File =
        QDir::temp().filePath(QStringLiteral("velotra_lp_%1.txt").arg(QCoreApplication::applicationPid())).toStdString();
    if (!C.Content.empty()) std::ofstream(File, std::ios::binary) << C.Content;
    TShownMain M(false);
    M.Course().Model().SetCommandLine(TCommandLine({C.Switch + File}));
    M.Main->show();
    RunPosted();
    std::filesystem::remove(File);
    const QString Expected = QString(C.Message)
                                 .replace("%1", QString::fromStdString(File))
                                 .replace("%2", QString::fromStdString(ExtractFileName(File)));
    EXPECT_EQ(M.Messages.Texts, QStringList{Expected});
    EXPECT_EQ(M.Course().CurrentPage(), 10);
    EXPECT_EQ(M.Main->StatusBar->PanelText(LearnPathPanel), "Standard");
    // the whole course after the start page, behind the entries read before the fault
    const int Course = M.Course().Model().Contents().NodeCount() - 1;
    EXPECT_EQ(M.Course().Model().LearnPath().Count(), C.Content.empty() ? Course : Course + 1);
    M.Goto(100);
    EXPECT_EQ(M.Messages.Texts.size(), 1);
  }
}

TEST(MainWindow, ExclusivePathRefusesOtherPagesButTheStartPage) {
  TShownMain M;
  TLearnPath& Path = M.Course().Model().LearnPath();
  Path.Clear();
  Path.Append({110, 120});
  Path.SetExclusive(true);
  M.Goto(110);
  M.Goto(130);
  EXPECT_EQ(M.Messages.Texts, QStringList{"Seite nicht im Lernpfad"});
  EXPECT_EQ(M.Course().CurrentPage(), 110);
  for (QToolButton* B : {M.Main->sbFirst, M.Main->sbPrev, M.Main->sbSuper, M.Main->sbNext, M.Main->sbLast})
    EXPECT_TRUE(B->isHidden()) << B->objectName().toStdString();
  M.Goto(10);
  EXPECT_EQ(M.Course().CurrentPage(), 10);
}

TEST(MainWindow, NavigationButtonsFollowThePage) {
  TShownMain M;
  struct {
    int Page;
    bool First, Prev, Super, Next, Last;
  } Cases[] = {
      {10, false, false, false, false, false},  // the root has no group
      {110, false, false, true, true, true},    // first child
      {140, true, true, true, true, true},
      {170, true, true, true, false, false},  // last child
      {1010, false, false, true, false, false},  // only child
  };
  for (const auto& C : Cases) {
    M.Goto(C.Page);
    ASSERT_EQ(M.Course().CurrentPage(), C.Page);
    EXPECT_EQ(!M.Main->sbFirst->isHidden(), C.First) << C.Page;
    EXPECT_EQ(!M.Main->sbPrev->isHidden(), C.Prev) << C.Page;
    EXPECT_EQ(!M.Main->sbSuper->isHidden(), C.Super) << C.Page;
    EXPECT_EQ(!M.Main->sbNext->isHidden(), C.Next) << C.Page;
    EXPECT_EQ(!M.Main->sbLast->isHidden(), C.Last) << C.Page;
  }
  // History buttons: four visits, at the end.
  EXPECT_FALSE(M.Main->sbBack->isHidden());
  EXPECT_TRUE(M.Main->sbForward->isHidden());
  M.Main->sbBack->click();
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 170);
  EXPECT_FALSE(M.Main->sbForward->isHidden());
  EXPECT_EQ(M.Course().Model().History().Count(), 5);
  M.Main->sbForward->click();
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 1010);
}

TEST(MainWindow, ChapterButtonsAndMenuItemsNavigateByTheirTag) {
  TShownMain M;
  M.Goto(140);
  M.Main->sbFirst->click();  // runs at once, not posted
  EXPECT_EQ(M.Course().CurrentPage(), 110);
  M.Main->sbNext->click();
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  M.Main->sbLast->click();
  EXPECT_EQ(M.Course().CurrentPage(), 170);
  M.Main->sbPrev->click();
  EXPECT_EQ(M.Course().CurrentPage(), 160);
  FindItem(*M.Main, "&Inhalt")->trigger();
  EXPECT_EQ(M.Course().CurrentPage(), 100);
  FindItem(*M.Main, "&Nächste Seite")->trigger();
  EXPECT_EQ(M.Course().CurrentPage(), 200);
  M.Main->sbSuper->click();
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  M.Main->sbSuper->click();  // no overview above the root
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  M.Goto(120);
  M.Main->sbHome->click();
  EXPECT_EQ(M.Course().CurrentPage(), 120);  // posted
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 140, 110, 120, 170, 160, 100, 200, 10, 120, 10}));
}

TEST(MainWindow, MenuCaptionsAndShortcuts) {
  TShownMain M;
  QStringList Menus;
  for (QAction* Menu : M.Main->MainMenu()->actions()) Menus << Menu->text();
  EXPECT_EQ(Menus, QStringList({"&Datei", "&Navigation", "&Kapitel", "E&xtras", "&Hilfe"}));
  const struct {
    const char* Caption;
    QKeySequence Shortcut;
  } Items[] = {
      {"Seite &speichern...", QKeySequence("Ctrl+S")}, {"Seite &drucken...", QKeySequence("Ctrl+P")},
      {"&Beenden", QKeySequence("Alt+F4")},            {"&Index...", QKeySequence("Ctrl+I")},
      {"&Wo bin ich...", QKeySequence("Ctrl+W")},      {"&History...", QKeySequence("Ctrl+H")},
      {"&Start", QKeySequence("Alt+Home")},            {"&Zurück", QKeySequence("Alt+Left")},
      {"&Vorwärts", QKeySequence("Alt+Right")},        {"&Erste Seite", QKeySequence("Ctrl+Home")},
      {"&Vorhergehende Seite", QKeySequence("Ctrl+Left")}, {"&Nächste Seite", QKeySequence("Ctrl+Right")},
      {"&Letzte Seite", QKeySequence("Ctrl+End")},     {"&Inhalt", QKeySequence("Ctrl+Backspace")},
      {"&Ton", QKeySequence("F9")},                    {"&Statistik...", QKeySequence("F10")},
      {"&Hilfe", QKeySequence("F1")},                  {"&Literaturnachweis", QKeySequence()},
      {"&Bildernachweis", QKeySequence()},             {"Inf&o...", QKeySequence("F2")},
  };
  for (const auto& Item : Items) {
    const QAction* Action = FindItem(*M.Main, QString::fromUtf8(Item.Caption));
    ASSERT_NE(Action, nullptr) << Item.Caption;
    EXPECT_EQ(Action->shortcut(), Item.Shortcut) << Item.Caption;
  }
  // Separators after "Seite drucken", "History", "Ton" and "Bildernachweis".
  QStringList Before;
  for (QAction* Menu : M.Main->MainMenu()->actions()) {
    const QList<QAction*> List = Menu->menu()->actions();
    for (int I = 1; I < List.size(); ++I)
      if (List[I]->isSeparator()) Before << List[I - 1]->text();
  }
  EXPECT_EQ(Before, QStringList({"Seite &drucken...", "&History...", "&Ton", "&Bildernachweis"}));
}

TEST(MainWindow, PageComboListsTheGroup) {
  TShownMain M;
  ASSERT_EQ(M.Main->ComboBox1->count(), 1);
  EXPECT_EQ(M.Main->ComboBox1->itemText(0), "Velotra");
  EXPECT_EQ(M.Main->ComboBox1->itemData(0).toInt(), -1);
  M.Main->ComboBox1Change(M.Main->ComboBox1);  // no page behind the root line
  RunPosted();
  EXPECT_EQ(M.Course().Model().History().Count(), 1);

  M.Goto(320);
  QComboBox* Combo = M.Main->ComboBox1;
  ASSERT_EQ(Combo->count(), 3);
  EXPECT_EQ(Combo->itemText(0), ".../Interpretieren von Termen/Geometrie");
  EXPECT_EQ(Combo->itemText(2), ".../Interpretieren von Termen/Farben");
  EXPECT_EQ(Combo->itemData(2).toInt(), 330);
  EXPECT_EQ(Combo->currentIndex(), 1);
  Combo->setCurrentIndex(2);
  M.Main->ComboBox1Change(Combo);
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 330);
  EXPECT_EQ(Combo->currentIndex(), 2);
}

TEST(MainWindow, SoundToggle) {
  TShownMain M;
  EXPECT_TRUE(M.Main->ton1->isChecked());
  EXPECT_FALSE(M.Course().Sound());
  M.Main->ton1->trigger();
  EXPECT_EQ(M.Main->StatusBar->PanelText(SoundPanel), "aus");
  EXPECT_FALSE(M.Main->ton1->isChecked());
  EXPECT_FALSE(M.Course().Sound());
  M.Main->ton1->trigger();
  EXPECT_EQ(M.Main->StatusBar->PanelText(SoundPanel), "an");
  EXPECT_TRUE(M.Main->ton1->isChecked());
  EXPECT_TRUE(M.Course().Sound());
}

TEST(MainWindow, DiagnosticBar) {
  TShownMain M;
  const int Height = M.Main->height();
  const int Host = M.Main->Panel2->height();
  for (int Code : {32 + 3, 32 + 11, 44, 50, 62}) PostUserMessage(M.Main.get(), Code, Code * 10);
  RunPosted();
  EXPECT_FALSE(M.Main->StatusBar1->isHidden());
  EXPECT_EQ(M.Main->height(), Height + 18);  // grown once
  EXPECT_EQ(M.Main->Panel2->height(), Host);
  EXPECT_EQ(M.Main->StatusBar1->PanelText(3), "350");
  EXPECT_EQ(M.Main->StatusBar1->PanelText(11), "430");
  EXPECT_EQ(M.Main->StatusBar1->PanelText(0), "?");
  PostUserMessage(M.Main.get(), HideDiagnosticCode, 0);
  PostUserMessage(M.Main.get(), HideDiagnosticCode, 0);
  RunPosted();
  EXPECT_TRUE(M.Main->StatusBar1->isHidden());
  EXPECT_EQ(M.Main->height(), Height);  // shrunk once
  EXPECT_EQ(M.Main->Panel2->height(), Host);
}

TEST(MainWindow, PageTagHidesToolBarAndRoutesKeys) {
  TShownMain M;
  M.Pages.Tags["TfmRVBrems"] = 2 | 8;
  QStringList Keys;
  M.Course().KeyDownFinder = [&Keys](QWidget* Form) -> TKeyDownHandler {
    return [&Keys, Form](QObject*, int& Key, Qt::KeyboardModifiers) {
      Keys << Form->objectName() + ":" + QString::number(Key);
      if (Key == Qt::Key_X) Key = 0;
    };
  };
  const int HostTop = M.Main->Panel2->y();
  M.Goto(120);
  EXPECT_TRUE(M.Main->Panel1->isHidden());
  EXPECT_EQ(M.Main->Panel2->y(), HostTop - 39);
  EXPECT_EQ(Page(M)->size(), M.Main->Panel2->size());
  ASSERT_TRUE(M.Course().KeyDownHandler());

  auto* Edit = new QWidget(Page(M));
  Edit->setFocusPolicy(Qt::StrongFocus);
  int Received = 0;
  struct TCounter : QObject {
    int& N;
    explicit TCounter(int& Count) : N(Count) {}
    bool eventFilter(QObject*, QEvent* E) override {
      if (E->type() == QEvent::KeyPress) ++N;
      return false;
    }
  } Counter(Received);
  Edit->installEventFilter(&Counter);
  Edit->show();
  for (int Key : {Qt::Key_A, Qt::Key_X}) {
    QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier);
    QApplication::sendEvent(Edit, &Press);
  }
  EXPECT_EQ(Keys, QStringList({"TfmRVBrems:65", "TfmRVBrems:88"}));
  EXPECT_EQ(Received, 1);  // the page kept X for itself

  M.Goto(130);  // Tag 0: tool bar back, no key handler
  EXPECT_FALSE(M.Main->Panel1->isHidden());
  EXPECT_EQ(M.Main->Panel2->y(), HostTop);
  EXPECT_FALSE(M.Course().KeyDownHandler());
}

TEST(MainWindow, CalculatorButton) {
  struct TFakeStarter : TProcessStarter {
    QStringList& Log;
    int Next = 3;
    bool Fail = false;
    explicit TFakeStarter(QStringList& L) : Log(L) {}
    std::optional<TProcessRecord> Start(const QString& Program, const QStringList&) override {
      Log << "start " + Program;
      if (Fail) return std::nullopt;
      return TProcessRecord{Next, 1000 + Next++};
    }
    void Terminate(const TProcessRecord& R) override { Log << "end " + QString::number(R.Handle); }
    void Release(const TProcessRecord& R) override { Log << "release " + QString::number(R.Handle); }
  };
  TShownMain M;
  QStringList Log;
  QStringList Installed{"galculator", "xcalc"};
  auto Starter = std::make_unique<TFakeStarter>(Log);
  TFakeStarter* Fake = Starter.get();
  M.Main->SetCalculator(std::make_unique<TCalculator>(std::move(Starter), [&Installed](const QString& Name) {
    return Installed.contains(Name) ? "/usr/bin/" + Name : QString();
  }));
  M.Main->sbTaschenrechner->click();
  M.Main->sbTaschenrechner->click();
  EXPECT_EQ(Log, QStringList({"start /usr/bin/galculator", "end 3", "start /usr/bin/galculator"}));
  EXPECT_EQ(M.Main->Calculator().Record(), (TProcessRecord{4, 1004}));
  EXPECT_TRUE(M.Messages.Texts.isEmpty());

  Fake->Fail = true;
  Log.clear();
  M.Main->sbTaschenrechner->click();
  EXPECT_EQ(Log, QStringList({"end 4", "start /usr/bin/galculator"}));
  EXPECT_EQ(M.Main->Calculator().Record().Handle, NoProcessHandle);
  Installed.clear();
  Log.clear();
  M.Main->sbTaschenrechner->click();
  EXPECT_TRUE(Log.isEmpty());  // nothing recorded, nothing installed
  EXPECT_EQ(M.Messages.Texts,
            QStringList({"Taschenrechner wurde nicht installiert.", "Taschenrechner wurde nicht installiert."}));

  Fake->Fail = false;
  Installed << "xcalc";
  M.Main->sbTaschenrechner->click();
  Log.clear();
  M.Main.reset();  // the calculator outlives the course
  EXPECT_EQ(Log, QStringList{"release 5"});
}

TEST(MainWindow, HelpOpensAtItsContents) {
  TShownMain M;
  M.Main->Hilfe1Click(nullptr);
  auto* Help = M.Main->findChild<THelpWindow*>();
  ASSERT_NE(Help, nullptr);
  EXPECT_FALSE(Help->isHidden());
  EXPECT_EQ(Help->Browser()->source().toString(), HelpDocumentUrl());
  EXPECT_TRUE(Help->Browser()->toPlainText().contains("Terme eingeben"));
  M.Main->Hilfe1Click(nullptr);  // the same window again
  EXPECT_EQ(M.Main->findChildren<THelpWindow*>().size(), 1);
  QKeyEvent Escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(Help->Browser(), &Escape);
  EXPECT_TRUE(Help->isHidden());
}

TEST(MainWindow, RequestsArrivingWhileAPageIsBuiltWaitForIt) {
  TShownMain M;
  // A page whose creation opens a message window: its event loop delivers
  // the requests queued meanwhile.
  QStringList Shown;
  TMessagePresenterScope Nested([&](const TMessageRequest& Request) {
    Shown << Request.Text;
    RunPosted();
    return mrOk;
  });
  M.Course().PageFactory = [&, Inner = M.Pages.Factory()](const std::string& Class, QWidget* Parent) {
    std::unique_ptr<QWidget> Page = Inner(Class, Parent);
    if (Class == "TfmRVDefinition") ShowMessage("Willkommen");
    return Page;
  };
  M.Course().PostGotoPage(110, true);
  M.Course().PostGotoPage(120, true);
  M.Course().PostGotoPage(130, false);
  RunPosted();
  EXPECT_EQ(Shown, QStringList{"Willkommen"});
  EXPECT_EQ(M.Course().CurrentPage(), 130);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 110, 120}));
  EXPECT_EQ(M.Course().CurrentPageForm()->objectName(), "TfmRVBeispiele");
}
