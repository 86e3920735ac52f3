// The Lernstand in the running course: a page with a check counts its
// presses and is solved at the praise of its final stage (or once beyond
// it), the status bar and the overview show what is solved, and the
// Lernstand window exports, prints and resets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ShellTestSupport.h"
#include "components/ComponentClasses.h"
#include "platform/ComponentRegistry.h"
#include "platform/FormDesigns.h"
#include "platform/PlatformClasses.h"
#include "platform/SaveDialog.h"
#include "platform/StdControls.h"
#include "platform/TreeView.h"
#include "scene/MMBoxRegister.h"
#include "scene/MMButton.h"
#include "scene/SceneControls.h"
#include "shell/LernstandJson.h"
#include "shell/LernstandStore.h"
#include "shell/LernstandWindow.h"
#include "shell/MessageProcs.h"
#include "shell/PageForms.h"
#include "shell/Pages.h"
#include "shell/ShellClasses.h"
#include "shell/Statistik.h"
#include "shell/StatusPanels.h"
#include "support/MessageRecorder.h"

// A page with a check of two stages; what its check does is up to the test.
class TfmLernstandDemoPage : public TForm {
  Q_OBJECT
  Q_PROPERTY(int Stage MEMBER FStage)
  Q_PROPERTY(int FinalStage MEMBER FFinal)
 public:
  using TForm::TForm;
  static std::function<void(TfmLernstandDemoPage&)> OnCheck;
  int FStage = 0;
  int FFinal = 1;

 public slots:
  void CheckClick(QObject*) {
    if (OnCheck) OnCheck(*this);
  }
};
std::function<void(TfmLernstandDemoPage&)> TfmLernstandDemoPage::OnCheck;

namespace {

struct TLernstandMain : TShownMain {
  TLernstandMain() : TShownMain(false) {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterSceneBoxClasses();
    RegisterShellClasses();
    TComponentRegistry::Instance().RegisterForm<TfmLernstandDemoPage>();
    RegisterFormDesign(QStringLiteral("TfmLernstandDemoPage"),
                       "object fmLernstandDemoPage: TfmLernstandDemoPage\n"
                       "  ClientWidth = 736\n"
                       "  ClientHeight = 482\n"
                       "  object PCVGlassButton1: TPanel\n"
                       "    OnClick = CheckClick\n"
                       "  end\n"
                       "end\n",
                       QStringLiteral("LernstandDemoPage.frm"));
    // Page 120 has the check; every other page is a stand-in without one.
    Course().PageFactory = [Designed = DesignedPageFactory(), Others = Pages.Factory()](const std::string& Class,
                                                                                      QWidget* Parent) {
      return Class == "TfmRVBrems" ? Designed("TfmLernstandDemoPage", Parent) : Others(Class, Parent);
    };
    Main->show();
    RunPosted();
  }
  const TLernstand& Lernstand() const { return Course().Lernstand().Lernstand(); }
  TfmLernstandDemoPage& Page() const { return *qobject_cast<TfmLernstandDemoPage*>(Course().CurrentPageForm()); }
  void Check() const { qobject_cast<TControl*>(Page().FindComponent("PCVGlassButton1"))->Click(); }
  QString SolvedPanel() const { return Main->StatusBar->PanelText(::SolvedPanel); }
};

QString Today() { return QStringLiteral("Gelöst am ") + QString::fromStdString(TLernstandStore::Now().GermanDate()); }

// Runs Open (which shows a window of class T modally) and Act on it, then closes it.
template <class T>
void WhileShown(const std::function<void()>& Open, const std::function<void(T&)>& Act) {
  bool Acted = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* Window : QApplication::topLevelWidgets())
      if (auto* Found = qobject_cast<T*>(Window); Found && Found->Modal()) {
        Acted = true;
        Act(*Found);
        Found->SetModalResult(mrOk);
      }
  });
  Open();
  EXPECT_TRUE(Acted);
}

}  // namespace

TEST(LernstandInTheCourse, ChecksCountAndTheFinalPraiseSolves) {
  TLernstandMain M;
  TMessageRecorder Messages;
  M.Goto(120);
  EXPECT_EQ(M.SolvedPanel(), "");
  // Wrong, then right at the first stage: counted, not solved.
  TfmLernstandDemoPage::OnCheck = [](TfmLernstandDemoPage&) { ShowStillWrong(); };
  M.Check();
  TfmLernstandDemoPage::OnCheck = [](TfmLernstandDemoPage& P) {
    ShowPraise();
    ++P.FStage;
  };
  M.Check();
  EXPECT_FALSE(M.Lernstand().IsSolved(120));
  // The final stage's praise.
  M.Check();
  EXPECT_EQ(M.Lernstand().Progress(120).Checks, 3);
  EXPECT_TRUE(M.Lernstand().IsSolved(120));
  EXPECT_EQ(M.SolvedPanel(), Today());
  // Shown again on another day it still says when it was solved first.
  M.Course().Lernstand().Edit().SetProgress(120, {true, {2026, 12, 9, 14, 3, 12}, 3});
  M.Goto(130);
  // A page without a check is solved by being shown; only the next visit says so.
  EXPECT_TRUE(M.Lernstand().IsSolved(130));
  EXPECT_EQ(M.SolvedPanel(), "");
  M.Goto(120);
  EXPECT_EQ(M.SolvedPanel(), "Gelöst am 9.12.2026");
  M.Goto(130);
  EXPECT_EQ(M.SolvedPanel(), Today());
  M.Goto(120);
  EXPECT_EQ(M.SolvedPanel(), "Gelöst am 9.12.2026");
  TfmLernstandDemoPage::OnCheck = nullptr;
}

TEST(LernstandInTheCourse, BeyondTheFinalStageIsSolvedWithoutPraise) {
  TLernstandMain M;
  TMessageRecorder Messages;
  // A check that moves on without a word.
  M.Goto(120);
  M.Page().FFinal = 0;
  TfmLernstandDemoPage::OnCheck = [](TfmLernstandDemoPage& P) { ++P.FStage; };
  M.Check();
  EXPECT_TRUE(M.Lernstand().IsSolved(120));
  // A stage moved on outside the check (a game's move): leaving the page tells.
  M.Goto(130);
  M.Course().Lernstand().Edit().SetProgress(120, {});
  M.Goto(120);
  M.Page().FStage = 2;
  EXPECT_FALSE(M.Lernstand().IsSolved(120));
  M.Goto(130);
  EXPECT_TRUE(M.Lernstand().IsSolved(120));
  EXPECT_EQ(M.Lernstand().Progress(120).Checks, 0);
  TfmLernstandDemoPage::OnCheck = nullptr;
}

TEST(LernstandInTheCourse, OverviewTicksSolvedPagesAndCountsChapters) {
  TLernstandMain M;
  M.Goto(100);
  M.Goto(130);  // stand-ins: solved by being shown
  TfmPages& W = M.Main->PagesWindow();
  W.ShowProgress();
  EXPECT_EQ(W.NodeOfPage(130)->ImageIndex(), 3);
  EXPECT_EQ(W.NodeOfPage(140)->ImageIndex(), 1);
  EXPECT_EQ(W.NodeOfPage(100)->Text(), "Rechenvorschriften (1/7)");
  EXPECT_EQ(W.NodeOfPage(100)->ImageIndex(), 0);
  EXPECT_EQ(W.NodeOfPage(10)->Text(), "Velotra");
  // The way across lessons for the statistics and the history.
  EXPECT_EQ(M.Course().WayAcrossLessons(), (std::vector<int>{10, 100, 130}));
}

TEST(LernstandWindow, ExportsWithTheNameAskedOnceAndResets) {
  TLernstandMain M;
  QTemporaryDir Dir;
  M.Goto(130);
  int Asked = 0;
  const TTextQueryPresenter OldQuery = SetTextQueryPresenter([&](const TTextQuery&) -> std::optional<QString> {
    ++Asked;
    return QStringLiteral("  Anna  ");
  });
  QStringList Files{Dir.filePath("a.csv"), Dir.filePath("b.csv")};
  TSavePresenterScope Save([&](const TSaveRequest& Request) -> std::optional<QString> {
    EXPECT_EQ(Request.FileName, "Lernstand Anna.csv");
    return Files.takeFirst();
  });
  QStringList Dialogs;
  TMessagePresenterScope Answers([&](const TMessageRequest& Request) {
    Dialogs << Request.Text;
    return mrYes;
  });
  WhileShown<TfmLernstand>([&] { M.Main->Lernstand1Click(nullptr); },
                           [&](TfmLernstand& W) {
                             EXPECT_EQ(W.windowTitle(), "Lernstand");
                             W.MMButton2()->Click();
                             W.MMButton2()->Click();
                             EXPECT_TRUE(W.Report().Heading().startsWith("Lernstand von Anna"));
                             W.MMButton3()->Click();  // answered "Ja"
                             EXPECT_FALSE(W.Report().Heading().contains("Anna"));
                           });
  SetTextQueryPresenter(OldQuery);
  EXPECT_EQ(Asked, 1);
  QFile Csv(Dir.filePath("b.csv"));
  ASSERT_TRUE(Csv.open(QIODevice::ReadOnly));
  const TLernstandJsonReading Read = ReadAnyLernstand(Csv.readAll());
  ASSERT_TRUE(Read.Ok) << Read.Error.toStdString();
  EXPECT_EQ(Read.Lernstand.Pupil(), "Anna");
  EXPECT_TRUE(Read.Lernstand.IsSolved(130));
  EXPECT_EQ(Dialogs, QStringList{"Willst du deinen Lernstand wirklich löschen?"});
  EXPECT_TRUE(M.Lernstand().Empty());
  EXPECT_EQ(M.SolvedPanel(), "");
}

// Both windows draw their tables; a screen reader reads them as tables.
TEST(ProgressWindows, AreTablesForScreenReaders) {
  TLernstandMain M;
  M.Course().Lernstand().Edit().SetProgress(120, {true, {2026, 12, 9, 14, 3, 12}, 3});
  M.Goto(120);
  M.Goto(130);
  M.Goto(120);
  struct TExpected {
    int Rows;
    QStringList Heading;
    QString Line;  // the first cell of a row for page 120
    QStringList Rest;
  };
  const auto Check = [](QWidget* Box, const TExpected& E) {
    QAccessibleInterface* I = QAccessible::queryAccessibleInterface(Box);
    ASSERT_TRUE(I);
    EXPECT_EQ(I->role(), QAccessible::Table);
    EXPECT_FALSE(I->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* T = I->tableInterface();
    ASSERT_TRUE(T);
    EXPECT_EQ(T->rowCount(), E.Rows);
    ASSERT_EQ(T->columnCount(), 3);
    for (int Col = 0; Col < 3; ++Col) {
      EXPECT_EQ(T->cellAt(0, Col)->role(), QAccessible::ColumnHeader);
      EXPECT_EQ(T->cellAt(0, Col)->text(QAccessible::Name), E.Heading[Col]);
    }
    int Row = 1;
    while (Row < E.Rows && !T->cellAt(Row, 0)->text(QAccessible::Name).startsWith(E.Line)) ++Row;
    ASSERT_LT(Row, E.Rows) << E.Line.toStdString();
    EXPECT_EQ(T->cellAt(Row, 1)->text(QAccessible::Name), E.Rest[0]);
    EXPECT_EQ(T->cellAt(Row, 2)->text(QAccessible::Name), E.Rest[1]);
    EXPECT_EQ(T->cellAt(Row, 2)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
              E.Heading[2]);
  };
  WhileShown<TfmLernstand>([&] { M.Main->Lernstand1Click(nullptr); },
                           [&](TfmLernstand& W) {
                             Check(W.PaintBox1(), {static_cast<int>(W.Report().Lines().size()) + 1,
                                                   {"Kapitel und Seite", "Gelöst am", "Prüfungen"},
                                                   "120 ",
                                                   {"9.12.2026", "3"}});
                           });
  WhileShown<TfmStatistik>([&] { M.Main->Statistik1Click(nullptr); },
                           [&](TfmStatistik& W) {
                             const QString Label = QString::fromStdString(M.Course().Model().Contents().ShortPath(120));
                             const int Visits = static_cast<int>(M.Course().WayAcrossLessons().size());
                             Check(W.PaintBox1(), {static_cast<int>(W.Pages().size()) + 1,
                                                   {"Seite", "Besuche", "Besuch Nummer"},
                                                   Label,
                                                   {"2", QStringLiteral("%1, %2").arg(Visits - 2).arg(Visits)}});
                           });
}

#include "LernstandShellTest.moc"

TEST(LernstandInTheCourse, ADamagedFileIsToldOnceOverTheStartPage) {
  QTemporaryDir Dir;
  {
    QFile File(Dir.filePath("lernstand.json"));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write("{\"format\": 1, \"pages\": ");
  }
  const QByteArray Old = qgetenv("VELOTRA_DATA");
  qputenv("VELOTRA_DATA", Dir.path().toLocal8Bit());
  {
    TLernstandMain M;
    EXPECT_EQ(M.Course().CurrentPage(), 10);
    EXPECT_EQ(M.Messages.Texts, QStringList{QString::fromUtf8(LernstandDamagedText)});
    M.Goto(120);
    M.Goto(10);
    EXPECT_EQ(M.Messages.Texts.size(), 1);
  }
  if (Old.isEmpty())
    qunsetenv("VELOTRA_DATA");
  else
    qputenv("VELOTRA_DATA", Old);
}
