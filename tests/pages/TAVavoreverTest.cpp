// Page 1010 played through its controls: the start button, the 64 cells,
// the value labels, the parameter grid and the messages the pupil sees.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <memory>
#include <vector>

#include "components/ComponentClasses.h"
#include "pages/PageClasses.h"
#include "pages/aufgaben/TAVavorever.h"
#include "platform/Image.h"
#include "platform/PlatformClasses.h"
#include "platform/StdControls.h"
#include "platform/StringGrid.h"
#include "scene/SceneControls.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"
#include "support/MessageRecorder.h"
#include "terms/MMTerm.h"
#include "terms/TermControls.h"

namespace {

using TCells = std::vector<TBoardCell>;
using TSource = TVavoReverGame::TParameterSource;

// The values in order, then zeros.
TSource Script(std::vector<long double> Values) {
  auto Next = std::make_shared<std::size_t>(0);
  return [Values = std::move(Values), Next](int) { return *Next < Values.size() ? Values[(*Next)++] : 0.0L; };
}

// One value for every parameter of a level, chosen by the level's range.
TSource ByLevel(long double Level2, long double Level3, long double Level4) {
  return [=](int Range) { return Range == 20 ? Level2 : Range == 30 ? Level3 : Level4; };
}

std::unique_ptr<TfmTAVavorever> NewPage(TSource Source = {}) {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterTermControls();
  RegisterPageClasses();
  auto Page = CreateForm<TfmTAVavorever>();
  if (Source) Page->SetParameterSource(std::move(Source));
  return Page;
}

void Start(TfmTAVavorever& Page) { Page.Component<TPCVGlassButton>("PCVGlassButton1")->Click(); }

void Play(TfmTAVavorever& Page, const TCells& Path) {
  for (const TBoardCell& C : Path) Page.MMTerm1Click(Page.BoardCell(C.Row, C.Column));
}

QString Label(const TfmTAVavorever& Page, const char* Name) {
  return Page.Component<TLabel>(QLatin1String(Name))->Caption();
}

// Level, target, moves, points, x, y as the labels show them.
QStringList ValueList(const TfmTAVavorever& Page) {
  QStringList Texts;
  for (const char* Name : {"Label8", "Label9", "Label7", "Label6", "Label11", "Label13"}) Texts << Label(Page, Name);
  return Texts;
}
std::string Values(const TfmTAVavorever& Page) { return ValueList(Page).join(" | ").toStdString(); }

TCells Where(const TfmTAVavorever& Page, bool (*Test)(const TMMTerm&)) {
  TCells Cells;
  for (int Row = 0; Row < 8; ++Row)
    for (int Column = 0; Column < 8; ++Column)
      if (Test(*Page.BoardCell(Row, Column))) Cells.push_back({Row, Column});
  return Cells;
}
TCells Clickable(const TfmTAVavorever& Page) {
  return Where(Page, [](const TMMTerm& C) { return C.Visible() && C.Enabled(); });
}
TCells Pressed(const TfmTAVavorever& Page) {
  return Where(Page, [](const TMMTerm& C) { return C.Down() && !C.Transparent(); });
}

// Everything a click may change on the page, as text.
std::string Shown(const TfmTAVavorever& Page) {
  QStringList Texts = ValueList(Page);
  for (int Row = 0; Row < 8; ++Row)
    for (int Column = 0; Column < 8; ++Column) {
      const TMMTerm& C = *Page.BoardCell(Row, Column);
      Texts << QStringLiteral("%1 %2%3%4%5 %6")
                   .arg(C.Caption())
                   .arg(C.Visible())
                   .arg(C.Enabled())
                   .arg(C.Down())
                   .arg(C.Transparent())
                   .arg(C.Font()->Color());
    }
  const auto* Grid = Page.Component<TStringGrid>("StringGrid1");
  for (int Row = 0; Row < 5; ++Row)
    for (int Column = 0; Column < 5; ++Column) Texts << Grid->Cells(Column, Row);
  return Texts.join("\n").toStdString();
}

void Click(QWidget* Widget) {
  const QPointF At(10, 10);
  QMouseEvent Press(QEvent::MouseButtonPress, At, Widget->mapToGlobal(At), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent Release(QEvent::MouseButtonRelease, At, Widget->mapToGlobal(At), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(Widget, &Press);
  QCoreApplication::sendEvent(Widget, &Release);
}

}  // namespace

TEST(TAVavorever, DesignStateThenStartOfLevelTwo) {
  std::vector<long double> Counting;
  for (int I = 1; I <= 30; ++I) Counting.push_back(I);
  const auto Page = NewPage(Script(Counting));
  const auto* Grid = Page->Component<TStringGrid>("StringGrid1");
  auto* Board = Page->Component<TPCPanel>("PCPanel2");

  // Cell k lies in row (k - 1) mod 8, column (k - 1) div 8.
  const std::tuple<int, int, int, int, int> Places[] = {
      {1, 0, 0, 4, 4}, {8, 7, 0, 4, 284}, {9, 0, 1, 88, 4}, {64, 7, 7, 592, 284}};
  for (const auto& [K, Row, Column, Left, Top] : Places) {
    const TMMTerm* Cell = Page->BoardCell(Row, Column);
    EXPECT_EQ(Cell, Page->FindComponent(QStringLiteral("MMTerm%1").arg(K)));
    EXPECT_EQ(Cell->Tag(), K - 1);
    EXPECT_EQ(Cell->geometry(), QRect(Left, Top, 80, 39));
  }
  EXPECT_EQ(Clickable(*Page).size(), 64u);
  EXPECT_EQ(Page->BoardCell(3, 4)->Caption(), "?");
  EXPECT_EQ(Values(*Page), "0 | 0 | 0 | 0 | 0 | 0");
  EXPECT_EQ(Grid->Cells(0, 0), "a");
  EXPECT_EQ(Grid->Cells(4, 0), "e");
  EXPECT_EQ(Grid->Cells(0, 1), "");

  Start(*Page);
  EXPECT_EQ(Clickable(*Page), (TCells{{6, 7}, {7, 6}}));
  EXPECT_EQ(Pressed(*Page), (TCells{{7, 7}}));  // the trail holds the start cell only
  EXPECT_EQ(Where(*Page, [](const TMMTerm& C) { return C.Visible(); }).size(), 9u);
  // The start cell x+a was applied with a = 1 and counts no move.
  EXPECT_EQ(Values(*Page), "2 | 150 | 0 | 1 | 1 | 0");
  EXPECT_EQ(Page->BoardCell(6, 6)->Caption(), "x^2/30");
  EXPECT_EQ(Page->BoardCell(6, 6)->Font()->Color(), 255);
  EXPECT_EQ(Page->BoardCell(5, 6)->Font()->Color(), 128);
  // The used row was drawn anew and came in at the bottom.
  EXPECT_EQ(Grid->Cells(0, 1), "6");
  EXPECT_EQ(Grid->Cells(4, 3), "20");
  EXPECT_EQ(Grid->Cells(0, 4), "21");
  EXPECT_EQ(Board->BackgroundMode(), bmSymmFillImage);
  EXPECT_EQ(Board->Background()->Data(), Page->Component<TImage>("Image1")->Picture()->Data());

  // With a trail of one, only the cell just entered stays pressed.
  Play(*Page, {{6, 7}});
  EXPECT_EQ(Pressed(*Page), (TCells{{6, 7}}));
  EXPECT_EQ(Clickable(*Page), (TCells{{5, 7}, {6, 6}, {7, 7}}));
  EXPECT_EQ(Label(*Page, "Label7"), "1");
}

TEST(TAVavorever, ScriptedPlays) {
  const std::string Bravo2 = "Bravo, du hast den Level in 2 Zügen geschafft.";
  const std::string Bravo12 = "Bravo, du hast den Level in 12 Zügen geschafft.";
  const TCells TwelveMoves = {{6, 7}, {5, 7}, {6, 7}, {6, 6}, {5, 6}, {5, 5},
                              {6, 5}, {6, 6}, {5, 6}, {6, 6}, {5, 6}, {6, 6}};
  struct {
    const char* Name;
    TSource Source;
    TCells Path;
    std::string Messages;  // one after the other
    // The labels while the last message was open, and afterwards.
    std::string DuringMessage, After;
  } Cases[] = {
      // x + a = 100, x - b = 130, x + c = 150,001 wins (150 would not); the
      // winning step shows under the message.
      {"a thousandth more", Script({100, 0, 0, 0, 0, 0, -30, 0, 0, 0, 0, 0, 20.001L}), {{6, 7}, {5, 7}}, Bravo2,
       "2 | 150 | 2 | 150,001 | 150,001 | 130", "3 | 200 | 2 | 0 | 0 | 0"},
      // The moves go on counting in level 3.
      {"moves carried on", ByLevel(20, 0, 0), TwelveMoves, Bravo12, "2 | 150 | 12 | 430,938 | 430,938 | 113,702",
       "3 | 200 | 12 | 0 | 0 | 0"},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TMessageRecorder Seen;
    const auto Page = NewPage(C.Source);
    std::string During;
    Seen.OnMessage = [&](const TRecordedMessage&) { During = Values(*Page); };
    Start(*Page);
    Play(*Page, C.Path);
    QStringList Texts;
    for (const TRecordedMessage& M : Seen.Messages()) {
      EXPECT_EQ(M.Caption, "Meldung");
      Texts << M.Text;
    }
    EXPECT_EQ(Texts.join(" | ").toStdString(), C.Messages);
    EXPECT_EQ(During, C.DuringMessage);
    EXPECT_EQ(Values(*Page), C.After);
  }
}

TEST(TAVavorever, StepWithoutValueIsRefusedAndChangesNothing) {
  TMessageRecorder Seen;
  // Levels 2 and 3 are won at once; at level 4 every parameter is 0.
  const auto Page = NewPage(ByLevel(1000, -1000, 0));
  Start(*Page);
  Play(*Page, {{6, 7}, {5, 7}, {6, 7}, {7, 6}, {7, 5}});
  ASSERT_EQ(Label(*Page, "Label8"), "4");
  ASSERT_EQ(Page->BoardCell(6, 5)->Caption(), "1/x");
  Seen.Clear();

  const std::string Before = Shown(*Page);
  Click(Page->BoardCell(6, 5));
  ASSERT_EQ(Seen.Count(), 1);
  EXPECT_EQ(Seen.LastText(), "Der Term „1/x“ lässt sich mit x = 0 und y = 0 nicht ausrechnen (Division durch Null).");
  EXPECT_EQ(Shown(*Page), Before);

  // A disabled cell does not answer the mouse; play goes on where it was.
  Click(Page->BoardCell(0, 0));
  EXPECT_EQ(Shown(*Page), Before);
  Click(Page->BoardCell(7, 4));
  EXPECT_EQ(Label(*Page, "Label7"), "6");
  EXPECT_EQ(Pressed(*Page), (TCells{{7, 4}, {7, 5}, {7, 6}, {7, 7}}));
  EXPECT_EQ(Seen.Count(), 1);
}

TEST(TAVavorever, BoardPicturesAreTheProgramsOwn) {
  const auto Page = NewPage();
  for (const auto& [Image, File] : {std::pair{"Image1", "vavoboard1.gif"}, std::pair{"Image2", "vavoboard2.gif"}}) {
    QFile Asset(QStringLiteral(":/pictures/") + QLatin1String(File));
    ASSERT_TRUE(Asset.open(QIODevice::ReadOnly)) << File;
    EXPECT_EQ(Page->Component<TImage>(QLatin1String(Image))->Picture()->Data(), Asset.readAll()) << Image;
  }
}
