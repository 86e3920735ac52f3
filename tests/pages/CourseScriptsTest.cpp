// The course scripts cover the course: the tour visits every page of the
// table of contents, every page with a check button has a script of its
// own, and the scripts keep their pictures where they run.
#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>
#include <set>

#include "pages/PageClasses.h"
#include "platform/Forms.h"
#include "shell/CourseScript.h"
#include "shell/PageForms.h"
#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

namespace {

const std::filesystem::path ScriptFolder = VELOTRA_COURSE_SCRIPTS;

TCourseScript ReadScript(const std::filesystem::path& File) {
  QFile In(QString::fromStdString(File.string()));
  EXPECT_TRUE(In.open(QIODevice::ReadOnly)) << File;
  const QByteArray Text = In.readAll();
  TCourseScript Script = ParseCourseScript(std::string_view(Text.constData(), static_cast<std::size_t>(Text.size())));
  EXPECT_TRUE(Script.Errors.empty()) << File;
  return Script;
}

}  // namespace

TEST(CourseScripts, TheTourVisitsEveryPageAndEveryPageWithACheckHasItsScript) {
  RegisterProgramClasses();
  std::set<long long> Visited;
  for (const TScriptCommand& C : ReadScript(ScriptFolder / "tour.play").Commands)
    if (C.Verb == TScriptVerb::Goto) Visited.insert(C.Number);

  const TTableOfContents Contents = ShippedTableOfContents();
  const TPageTable Table = ShippedPageTable();
  const TPageFactory Make = DesignedPageFactory();
  int Checked = 0;
  for (const TTocNodeId Id : Contents.CourseOrder()) {
    const int Page = Contents.Node(Id).Page;
    if (Page == NoPage) continue;
    EXPECT_TRUE(Visited.count(Page)) << "tour.play does not visit page " << Page;
    const std::unique_ptr<QWidget> Form = Make(std::string(Table.ClassOf(Page)), nullptr);
    auto* Designed = qobject_cast<TCustomForm*>(Form.get());
    if (!Designed) {
      ADD_FAILURE() << "page " << Page << " has no page form";
      continue;
    }
    // The player's check command presses the first of these it finds.
    if (!Designed->FindComponent(QStringLiteral("PCVGlassButton1")) &&
        !Designed->FindComponent(QStringLiteral("PCVGlassButton2")))
      continue;
    ++Checked;
    EXPECT_TRUE(std::filesystem::exists(ScriptFolder / (std::to_string(Page) + ".play")))
        << "page " << Page << " has a check button but no script";
  }
  EXPECT_GE(Checked, 20);
}

TEST(CourseScripts, PicturesGoWhereTheScriptsRun) {
  int Scripts = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(ScriptFolder)) {
    if (Entry.path().extension() != ".play") continue;
    ++Scripts;
    for (const TScriptCommand& C : ReadScript(Entry.path()).Commands)
      if (C.Verb == TScriptVerb::Screenshot) {
        EXPECT_FALSE(std::filesystem::path(C.Ref).is_absolute()) << Entry.path() << ":" << C.Line;
      }
  }
  EXPECT_GE(Scripts, 30);
}
