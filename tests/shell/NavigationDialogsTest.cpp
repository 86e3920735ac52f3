// The navigation windows as the pupil uses them: opened from the main
// window's commands, driven through their own controls, every modal showing
// ended by the test itself.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <functional>

#include "ShellTestSupport.h"
#include "components/ComponentClasses.h"
#include "platform/ListBox.h"
#include "platform/PaintBox.h"
#include "platform/PlatformClasses.h"
#include "platform/SaveDialog.h"
#include "platform/ScrollBox.h"
#include "platform/TreeView.h"
#include "scene/SceneControls.h"
#include "support/ModalGuard.h"
#include "scene/MMBoxRegister.h"
#include "scene/MMButton.h"
#include "shell/HistoryWindow.h"
#include "shell/PageNumbers.h"
#include "shell/Pages.h"
#include "shell/ShellClasses.h"
#include "shell/Statistik.h"
#include "shell/Stichwort.h"
#include "shell/TableOfContents.h"

namespace {

struct TNavMain : TShownMain {
  explicit TNavMain(bool Show = true) : TShownMain(false) {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterSceneControls();
    RegisterSceneBoxClasses();
    RegisterShellClasses();
    if (!Show) return;
    Main->show();
    RunPosted();
  }
  // Visits the pages in order, with history.
  void Walk(std::initializer_list<int> Pages) {
    for (int Page : Pages) Goto(Page);
  }
};

// The top-level window of class T showing modally now, or null.
template <class T>
T* ModalWindow() {
  for (QWidget* Window : QApplication::topLevelWidgets())
    if (auto* Found = qobject_cast<T*>(Window); Found && Found->Modal()) return Found;
  return nullptr;
}

// Runs Open (which shows a window of class T modally) and, once the window
// shows, Act on it. Act has to end the showing; if it does not, the test
// fails and ends it.
template <class T>
void WhileShown(const std::function<void()>& Open, const std::function<void(T&)>& Act) {
  // Should Act not run (another window came first), the guard ends the
  // showing instead of leaving the test waiting.
  TModalGuard Guard;
  bool Acted = false;
  QTimer::singleShot(0, [&] {
    T* Window = ModalWindow<T>();
    ASSERT_NE(Window, nullptr);
    Acted = true;
    Act(*Window);
    if (Window->ModalResult() == mrNone) {
      ADD_FAILURE() << "the window is still showing";
      Window->SetModalResult(mrCancel);
    }
  });
  Open();
  EXPECT_TRUE(Acted);
  EXPECT_EQ(ModalWindow<T>(), nullptr);
}

// A key pressed in Window: it arrives at the control with the focus.
void PressKey(TCustomForm& Window, int Key) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier);
  QWidget* Receiver = Window.focusWidget() ? Window.focusWidget() : &Window;
  QApplication::sendEvent(Receiver, &Press);
}

// A press and release of the left mouse button at Where in Widget.
void MouseClick(QWidget* Widget, const QPoint& Where) {
  for (QEvent::Type Type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent Event(Type, Where, Widget->mapToGlobal(Where), Qt::LeftButton,
                      Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Widget, &Event);
  }
}

// A click on line Row of a list box.
void ClickLine(TListBox* List, int Row) {
  QListWidget* View = List->ListWidget();
  MouseClick(View->viewport(), View->visualRect(View->model()->index(Row, 0)).center());
}

void DoubleClick(QAbstractItemView* View, const QModelIndex& Index) {
  const QPoint At = View->visualRect(Index).center();
  for (QEvent::Type Type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
    QMouseEvent Event(Type, At, View->viewport()->mapToGlobal(At), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View->viewport(), &Event);
  }
}

QTreeWidgetItem* ItemOf(TfmPages& Window, int Page) {
  // Every item, whatever its text (a wildcard would not match the "/" of "(3/7)").
  for (QTreeWidgetItemIterator It(Window.TreeView1()->TreeWidget()); *It; ++It)
    if (Window.TreeView1()->NodeOfItem(*It)->Data() == Page) return *It;
  return nullptr;
}

QAction* MenuItem(const TfmMain& Main, const QString& Caption) {
  for (QAction* Menu : Main.MainMenu()->actions())
    for (QAction* Item : Menu->menu()->actions())
      if (Item->text() == Caption) return Item;
  return nullptr;
}

}  // namespace

TEST(PagesWindow, IsMadeOnceTheStartPageHasBeenPaintedAndThenKept) {
  TNavMain M(false);
  EXPECT_EQ(M.Main->findChild<TfmPages*>(), nullptr) << "nothing is made before the window shows";
  M.Main->show();
  const QDeadlineTimer Guard(10000);
  while (!M.Main->findChild<TfmPages*>() && !Guard.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
  TfmPages* Made = M.Main->findChild<TfmPages*>();
  ASSERT_NE(Made, nullptr);
  EXPECT_FALSE(M.Main->FirstShowPending());
  EXPECT_EQ(M.Course().CurrentPage(), 10);
  EXPECT_FALSE(Made->isVisible());
  EXPECT_EQ(&M.Main->PagesWindow(), Made);
  EXPECT_EQ(M.Main->findChildren<TfmPages*>().size(), 1);
}

TEST(PagesWindow, ShowsTheCourseTreeAndGoesToTheChosenPage) {
  TNavMain M;
  M.Walk({100, 120});
  TfmPages* Kept = nullptr;
  WhileShown<TfmPages>([&] { MenuItem(*M.Main, "&Wo bin ich...")->trigger(); },
                       [&](TfmPages& W) {
                         Kept = &W;
                         EXPECT_EQ(W.windowTitle(), "Wo bin ich?");
                         TTreeView* Tree = W.TreeView1();
                         EXPECT_EQ(Tree->Count(), M.Course().Model().Contents().NodeCount());
                         // The current page is chosen and shown with the "chosen" picture.
                         ASSERT_NE(Tree->Selected(), nullptr);
                         EXPECT_EQ(Tree->Selected()->Text(), "Bremsweg");
                         // Page 120 was shown and has no check here: it is solved and ticked.
                         for (TTreeNode* Node : Tree->Nodes()) {
                           EXPECT_EQ(Node->ImageIndex(), Node->Level() <= 1 ? 0 : Node->Data() == 120 ? 3 : 1)
                               << Node->Text().toStdString();
                           EXPECT_EQ(Node->SelectedIndex(), 2);
                           if (Node->Text() == "Velotra" || Node->Text().startsWith("Faktorisieren (")) {
                             EXPECT_TRUE(Node->Expanded());
                           }
                         }
                         EXPECT_EQ(W.MMButton2()->Caption(), " &Gehe zu");
                         EXPECT_EQ(W.MMButton2()->Tag(), 904);
                         Tree->TreeWidget()->setCurrentItem(ItemOf(W, 130));
                         W.MMButton2()->Click();
                         // Closed first; the page changes only once the request is carried out.
                         EXPECT_EQ(W.ModalResult(), mrOk);
                         EXPECT_TRUE(W.isHidden());
                         EXPECT_EQ(M.Course().CurrentPage(), 120);
                       });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 130);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 100, 120, 130}));

  // The same window the next time, now on the new page; a double click goes.
  WhileShown<TfmPages>([&] { M.Main->sbWoBinIchClick(nullptr); },
                       [&](TfmPages& W) {
                         EXPECT_EQ(&W, Kept);
                         EXPECT_EQ(W.TreeView1()->Selected()->Data(), 130);
                         DoubleClick(W.TreeView1()->TreeWidget(), W.TreeView1()->TreeWidget()->indexFromItem(ItemOf(W, 205)));
                       });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 205);
  EXPECT_TRUE(M.Messages.Texts.isEmpty());
}

TEST(PagesWindow, KeysRefusedNodesAndNoSelection) {
  TNavMain M;
  // Enter goes to the chosen node; the chapter node 200 is a page of its own.
  WhileShown<TfmPages>([&] { M.Main->sbWoBinIchClick(nullptr); },
                       [&](TfmPages& W) {
                         W.TreeView1()->TreeWidget()->setCurrentItem(ItemOf(W, 200));
                         PressKey(W, Qt::Key_Return);
                       });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 200);

  // Escape only closes; a node without a page cannot be chosen; without a
  // chosen node " &Gehe zu" only closes.
  WhileShown<TfmPages>([&] { M.Main->sbWoBinIchClick(nullptr); },
                       [&](TfmPages& W) { PressKey(W, Qt::Key_Escape); });
  WhileShown<TfmPages>([&] { M.Main->sbWoBinIchClick(nullptr); },
                       [&](TfmPages& W) {
                         TTreeView* Tree = W.TreeView1();
                         TTreeNode* Heading = Tree->AddChild(nullptr, QStringLiteral("ohne Seite"), -1);
                         EXPECT_FALSE(Tree->SetSelected(Heading));
                         EXPECT_EQ(Tree->Selected()->Data(), 200);
                         Tree->TreeWidget()->setCurrentItem(nullptr);
                         EXPECT_EQ(Tree->Selected(), nullptr);
                         W.MMButton2()->Click();
                       });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 200);
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 200}));
}

TEST(PagesWindow, ExportsTheTreeAsIndentedText) {
  TNavMain M;
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("baum.txt");
  std::vector<TSaveRequest> Asked;
  std::optional<QString> Answer = Dir.filePath("baum");  // the extension comes from the dialog
  TSavePresenterScope Save([&](const TSaveRequest& Request) {
    Asked.push_back(Request);
    return Answer;
  });
  auto Export = [&] {
    WhileShown<TfmPages>([&] { M.Main->sbWoBinIchClick(nullptr); },
                         [&](TfmPages& W) {
                           W.MMButton1()->Click();
                           PressKey(W, Qt::Key_Escape);
                         });
  };
  Export();
  ASSERT_EQ(Asked.size(), 1u);
  EXPECT_EQ(Asked[0].Filters, QStringList{"Textdatei (*.txt)"});
  EXPECT_EQ(Asked[0].DefaultExt, "txt");
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  const QByteArray Text = File.readAll();
  File.close();
  const QList<QByteArray> Lines = Text.split('\n');
  const int Nodes = M.Course().Model().Contents().NodeCount();
  ASSERT_EQ(Lines.size(), Nodes + 1);  // a line per node, each ended by CR LF
  EXPECT_TRUE(Lines.last().isEmpty());
  EXPECT_EQ(Text.count("\r\n"), Nodes);
  EXPECT_EQ(Text.count('\n'), Nodes);
  EXPECT_EQ(Lines[0], "Velotra\r");
  EXPECT_EQ(Lines[1], "\tRechenvorschriften\r");
  EXPECT_EQ(Lines[3], "\t\tBremsweg\r");
  EXPECT_FALSE(Text.contains("120"));

  // Cancelled: the file stays as it is.
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("alt");
  File.close();
  Answer = std::nullopt;
  Export();
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(), "alt");
  File.close();

  // A file that cannot be written is reported, not passed over.
  Answer = Dir.filePath("fehlt/baum.txt");
  Export();
  ASSERT_EQ(M.Messages.Texts.size(), 1);
  EXPECT_TRUE(M.Messages.Texts[0].contains("konnte nicht gespeichert werden")) << M.Messages.Texts[0].toStdString();
}

TEST(HistoryWindow, ListsEveryVisitAndGoesToTheChosenOne) {
  TNavMain M;
  M.Walk({100, 120});
  M.Main->sbBackClick(nullptr);
  RunPosted();
  ASSERT_EQ(M.Course().CurrentPage(), 100);
  WhileShown<TfmHistory>([&] { MenuItem(*M.Main, "&History...")->trigger(); },
                         [&](TfmHistory& W) {
                           EXPECT_EQ(W.windowTitle(), "History");
                           TListBox* List = W.ListBox2();
                           ASSERT_EQ(List->Count(), 3);
                           EXPECT_EQ(List->Item(0), "Velotra");
                           EXPECT_EQ(List->Item(1), "Velotra/Rechenvorschriften");
                           EXPECT_EQ(List->Item(2), "Velotra/Rechenvorschriften/Bremsweg");
                           EXPECT_EQ(List->ItemData(2), 120);
                           EXPECT_EQ(List->ItemIndex(), -1);
                           List->ListWidget()->setCurrentRow(2);
                           PressKey(W, Qt::Key_Enter);
                         });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  // Going there from the list is a new visit: the entries after the
  // position go.
  EXPECT_EQ(M.Course().Model().History().Items(), (std::vector<int>{10, 100, 120}));

  // Made anew each time; without a chosen line it only closes.
  WhileShown<TfmHistory>([&] { M.Main->History1Click(nullptr); },
                         [&](TfmHistory& W) {
                           EXPECT_EQ(W.ListBox2()->Count(), 3);
                           W.MMButton2()->Click();
                         });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 120);
  WhileShown<TfmHistory>([&] { M.Main->History1Click(nullptr); },
                         [&](TfmHistory& W) {
                           DoubleClick(W.ListBox2()->ListWidget(), W.ListBox2()->ListWidget()->model()->index(0, 0));
                         });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 10);
}

TEST(KeywordWindow, ListsKeywordsAndTheirPages) {
  TNavMain M;
  WhileShown<TfmStichwort>([&] { MenuItem(*M.Main, "&Index...")->trigger(); },
                           [&](TfmStichwort& W) {
                             EXPECT_EQ(W.windowTitle(), "Stichwortliste");
                             EXPECT_EQ(W.ClientHeight(), 349);
                             TListBox* Words = W.ListBox1();
                             ASSERT_GT(Words->Count(), 10);
                             for (int I = 1; I < Words->Count(); ++I)
                               EXPECT_TRUE(GermanTextLess(Words->Item(I - 1), Words->Item(I)));
                             Words->ListWidget()->setCurrentRow(Words->IndexOf("Startseite"));
                             ASSERT_EQ(W.ListBox2()->Count(), 1);
                             EXPECT_EQ(W.ListBox2()->Item(0), "Velotra");
                             EXPECT_EQ(W.ListBox2()->ItemData(0), 10);
                             // Pages of a keyword sorted by their text.
                             Words->ListWidget()->setCurrentRow(Words->IndexOf("Flächeninhalt"));
                             TListBox* Pages = W.ListBox2();
                             ASSERT_EQ(Pages->Count(), 5);
                             EXPECT_EQ(Pages->Item(0), "Aufstellen von Termen/Geometrie");
                             EXPECT_EQ(Pages->Item(1), "Interpretieren von Termen/Geometrie");
                             EXPECT_EQ(Pages->Item(2), "Multiplikation von Summen/Summe mal Summe");
                             EXPECT_EQ(Pages->Item(3), "Multiplikation von Summen/Zahl mal Summe");
                             EXPECT_EQ(Pages->Item(4), "Rechenvorschriften/Einführung");
                             DoubleClick(Pages->ListWidget(), Pages->ListWidget()->model()->index(1, 0));
                           });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 310);

  // Without a chosen page " &Gehe zu" only closes.
  WhileShown<TfmStichwort>([&] { M.Main->sbStichwortClick(nullptr); },
                           [&](TfmStichwort& W) {
                             W.ListBox1()->ListWidget()->setCurrentRow(0);
                             EXPECT_GT(W.ListBox2()->Count(), 0);
                             W.MMButton2()->Click();
                           });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 310);
  EXPECT_TRUE(M.Messages.Texts.isEmpty());
}

TEST(KeywordWindow, WithTheMouseAKeywordListsItsPagesAndGoGoesToTheChosenOne) {
  TNavMain M;
  WhileShown<TfmStichwort>([&] { M.Main->sbStichwortClick(nullptr); },
                           [&](TfmStichwort& W) {
                             TListBox* Words = W.ListBox1();
                             TListBox* Pages = W.ListBox2();
                             ClickLine(Words, Words->IndexOf("Flächeninhalt"));
                             const int Count = Pages->Count();
                             ASSERT_GE(Count, 3);
                             EXPECT_EQ(Pages->Item(0), "Aufstellen von Termen/Geometrie");
                             // Another keyword replaces the list.
                             ClickLine(Words, Words->IndexOf("Startseite"));
                             ASSERT_EQ(Pages->Count(), 1);
                             ClickLine(Words, Words->IndexOf("Flächeninhalt"));
                             ASSERT_EQ(Pages->Count(), Count);
                             const int Line = Pages->IndexOf("Rechenvorschriften/Einführung");
                             ASSERT_GT(Line, 0);
                             ClickLine(Pages, Line);
                             EXPECT_EQ(Pages->ItemIndex(), Line);
                             MouseClick(W.MMButton2(), W.MMButton2()->rect().center());
                             EXPECT_EQ(W.ModalResult(), mrOk);
                           });
  RunPosted();
  EXPECT_EQ(M.Course().CurrentPage(), 110);
  EXPECT_EQ(M.Course().Model().History().Items().back(), 110);
}

TEST(KeywordWindow, APageMissingFromTheContentsIsReportedAndTheLinesBeforeStay) {
  TNavMain M;
  WhileShown<TfmStichwort>([&] { M.Main->sbStichwortClick(nullptr); },
                           [&](TfmStichwort& W) {
                             W.SetKeywordRows({{120, {"Weg"}}, {999, {"Weg"}}, {110, {"Weg"}}});
                             ASSERT_EQ(W.ListBox1()->Count(), 1);
                             W.ListBox1()->ListWidget()->setCurrentRow(0);
                             ASSERT_EQ(W.ListBox2()->Count(), 1);
                             EXPECT_EQ(W.ListBox2()->Item(0), "Rechenvorschriften/Bremsweg");
                             PressKey(W, Qt::Key_Escape);
                           });
  EXPECT_EQ(M.Messages.Texts, QStringList{"Seite 999 konnte nicht gefunden werden!"});
}

TEST(StatisticsChart, RowsFrameAndWay) {
  // Labels 5 pixels per character.
  const auto Width = [](const std::string& Text) { return static_cast<int>(Text.size()) * 5; };
  const auto Label = [](int Page) { return "S" + std::to_string(Page); };
  const std::vector<int> Pages = {10, 100, 120, 800};

  const TStatisticsChart Empty = LayOutStatisticsChart(Pages, {}, Label, Width, 1280);
  ASSERT_EQ(Empty.Rows.size(), 4u);
  // The first label starts inside the box.
  EXPECT_EQ(Empty.Labels[0], (TChartText{0, 1, "S10"}));
  EXPECT_EQ(Empty.Labels[3], (TChartText{0, 25, "S800"}));
  EXPECT_EQ(Empty.Rows[0], (TChartLine{{15, 7}, {1000, 7}, ChapterColor(10), 2}));
  EXPECT_EQ(Empty.Rows[2], (TChartLine{{20, 23}, {1000, 23}, ChapterColor(120), 2}));
  EXPECT_EQ(Empty.Frame, (TChartFrame{{22, 0, 1280 - 20 - 1, 39}, clWhite, 8421504, 1}));
  EXPECT_TRUE(Empty.Way.empty());
  EXPECT_TRUE(Empty.Dots.empty());

  // A page without a row (1010) is drawn on the first row.
  const TStatisticsChart Chart = LayOutStatisticsChart(Pages, {10, 120, 100, 1010}, Label, Width, 1280);
  const std::vector<TChartLine> Way = {
      {{24, 0}, {26, 7}, clWhite, 1},
      {{26, 7}, {30, 23}, clWhite, 1},
      {{30, 23}, {34, 15}, clWhite, 1},
      {{34, 15}, {38, 7}, clWhite, 1},
  };
  EXPECT_EQ(Chart.Way, Way);
  ASSERT_EQ(Chart.Dots.size(), 4u);
  EXPECT_EQ(Chart.Dots[0], (TChartDot{{23, 4, 29, 10}, clWhite, clRed, 1}));
  EXPECT_EQ(Chart.Dots[1].Box, (TRect{27, 20, 33, 26}));
  EXPECT_EQ(Chart.Rows, Empty.Rows);
}

TEST(StatisticsWindow, DrawsTheCoursePagesAndTheWay) {
  TNavMain M;
  M.Walk({100, 110, 120, 100, 200, 210});
  WhileShown<TfmStatistik>([&] { MenuItem(*M.Main, "&Statistik...")->trigger(); },
                           [&](TfmStatistik& W) {
                             EXPECT_EQ(W.windowTitle(), "Statistik");
                             EXPECT_EQ(W.Pages(), M.Course().Model().Contents().WalkPages());
                             EXPECT_EQ(W.Pages().size(), static_cast<size_t>(M.Course().Model().Contents().NodeCount()));
                             TPaintBox* Box = W.PaintBox1();
                             EXPECT_EQ(Box->parentWidget(), W.ScrollBox1());
                             EXPECT_EQ(Box->size(), QSize(1280, 960));
                             EXPECT_TRUE(W.ScrollBox1()->VertScrollBar()->isVisible());
                             const TStatisticsChart Chart = W.Chart();
                             ASSERT_EQ(Chart.Dots.size(), 7u);
                             const QImage Shot = W.grab().toImage();
                             // The dot of the last visit (210) is red at its centre.
                             const TRect Dot = Chart.Dots.back().Box;
                             const QPoint Centre = Box->mapTo(&W, QPoint((Dot.Left + Dot.Right) / 2, (Dot.Top + Dot.Bottom) / 2));
                             EXPECT_EQ(Shot.pixelColor(Centre), QColor(Qt::red));
                             PressKey(W, Qt::Key_Escape);
                           });
}

TEST(ExecAndWait, StartsACourseProgramWithoutShellAndWaitsForItsEnd) {
  TNavMain M;
  QTemporaryDir Dir;
  const QString Folder = QFileInfo(Dir.path()).canonicalFilePath();
  QFile Script(Folder + "/kursprogramm");
  ASSERT_TRUE(Script.open(QIODevice::WriteOnly));
  Script.write("#!/bin/sh\necho \"$@\" > aufruf.txt\npwd >> aufruf.txt\n");
  Script.close();
  Script.setPermissions(Script.permissions() | QFileDevice::ExeOwner);
  M.Course().ExecStartDelayMs = 0;
  M.Course().Model().SetCommandLine(TCommandLine({"/A" + Folder.toStdString() + "/"}));
  M.Course().SetSound(true);

  ASSERT_TRUE(M.Course().ExecAndWait("kursprogramm", 7));
  QFile Call(Folder + "/aufruf.txt");
  ASSERT_TRUE(Call.open(QIODevice::ReadOnly));
  const QString Expected = QStringLiteral("7 %1 %2 1\n%3\n").arg(M.Main->x()).arg(M.Main->y()).arg(Folder);
  EXPECT_EQ(QString::fromUtf8(Call.readAll()), Expected);
  EXPECT_FALSE(M.Main->isHidden());
  const QWidgetList Windows = QApplication::topLevelWidgets();
  EXPECT_TRUE(std::none_of(Windows.begin(), Windows.end(),
                           [](QWidget* W) { return W->isVisible() && W->inherits("TfmWait"); }));
  EXPECT_TRUE(M.Messages.Texts.isEmpty());

  EXPECT_FALSE(M.Course().ExecAndWait("fehlt", 3));
  ASSERT_EQ(M.Messages.Texts.size(), 1);
  const QString& Text = M.Messages.Texts[0];
  EXPECT_TRUE(Text.startsWith("\"" + Folder + "/fehlt\" konnte nicht geladen werden. (")) << Text.toStdString();
  EXPECT_TRUE(Text.endsWith(QStringLiteral(")\nAufrufparameter: 3 %1 %2 1").arg(M.Main->x()).arg(M.Main->y())))
      << Text.toStdString();
  EXPECT_FALSE(M.Main->isHidden());
}
