// The course script player's verdicts that need stand-in pages or files no
// script in the source tree can be: a refused page, two messages from one
// action, unreadable and oversized scripts.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "ShellTestSupport.h"
#include "shell/CoursePlayer.h"
#include "shell/MessageProcs.h"

namespace {

struct TPlayed {
  int Status = -1;
  QStringList Lines;
};

TPlayed PlayFile(TShownMain& M, const QString& File) {
  QString Text;
  QTextStream Out(&Text);
  TPlayed Played;
  Played.Status = PlayCourseScript(*M.Main, File, Out);
  Out.flush();
  Played.Lines = Text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return Played;
}

TPlayed Play(TShownMain& M, const QByteArray& Script) {
  QTemporaryDir Dir;
  const QString File = Dir.filePath(QStringLiteral("s.play"));
  QFile Out(File);
  EXPECT_TRUE(Out.open(QIODevice::WriteOnly));
  Out.write(Script);
  Out.close();
  return PlayFile(M, File);
}

}  // namespace

TEST(CoursePlayer, ARefusedPageFailsItsGoto) {
  TShownMain M;
  M.Pages.Missing.insert(std::string(M.Course().Model().Pages().ClassOf(110)));
  const TPlayed P = Play(M, "goto 110\nexpect page 10\n");
  EXPECT_EQ(P.Status, PlayFailed);
  EXPECT_EQ(P.Lines, (QStringList{"[10] goto 110 -> FAILED, got page 110 refused; dialog \"Seite 110 nicht vorhanden.\"",
                                  "[10] expect page 10 -> ok", "1 passed, 1 failed"}));
}

TEST(CoursePlayer, OneExpectationDoesNotCoverTwoMessages) {
  TShownMain M;
  const TPageFactory StandIn = M.Course().PageFactory;
  M.Course().PageFactory = [StandIn](const std::string& ClassName, QWidget* Parent) {
    std::unique_ptr<QWidget> Page = StandIn(ClassName, Parent);
    ShowInfo(QStringLiteral("Erste"));
    ShowInfo(QStringLiteral("Zweite"));
    return Page;
  };
  const TPlayed P = Play(M, "goto 110\nexpect info \"Erste\"\n");
  EXPECT_EQ(P.Status, PlayFailed);
  EXPECT_EQ(P.Lines, (QStringList{"[110] goto 110 -> shown; info \"Erste\"; info \"Zweite\"",
                                  "[110] expect info \"Erste\" -> FAILED, got info \"Erste\", info \"Zweite\"",
                                  "0 passed, 1 failed"}));
}

TEST(CoursePlayer, UnreadableAndHugeScriptsAreBroken) {
  TShownMain M;
  const TPlayed Missing = PlayFile(M, QStringLiteral("/nonexistent/s.play"));
  EXPECT_EQ(Missing.Status, PlayBroken);
  EXPECT_EQ(Missing.Lines, QStringList{"/nonexistent/s.play: cannot read the script"});

  QByteArray Huge;
  Huge.fill('#', 4 * 1024 * 1024 + 1);
  const TPlayed Big = Play(M, Huge);
  EXPECT_EQ(Big.Status, PlayBroken);
  ASSERT_EQ(Big.Lines.size(), 1);
  EXPECT_TRUE(Big.Lines[0].endsWith(QStringLiteral("s.play: the script is larger than 4 MiB"))) << Big.Lines[0].toStdString();
  EXPECT_EQ(M.Course().CurrentPage(), 10);
}
