#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "shell/CourseModel.h"
#include "shell/LearnPath.h"

namespace {

const char* const FormatError = "Format der Lernpfaddatei stimmt nicht.";

// A learning path file in the temporary folder, removed again at the end.
class TTempFile {
 public:
  explicit TTempFile(const std::string& Content) {
    static int Counter = 0;
    FPath = std::filesystem::temp_directory_path() /
            ("velotra_lernpfad_" + std::to_string(::getpid()) + "_" + std::to_string(++Counter) + ".txt");
    std::ofstream(FPath, std::ios::binary) << Content;
  }
  ~TTempFile() { std::filesystem::remove(FPath); }
  std::string Name() const { return FPath.string(); }

 private:
  std::filesystem::path FPath;
};

}  // namespace

TEST(LearnPath, FileLines) {
  struct Case {
    const char* Text;
    std::vector<int> Entries;
    bool Fails;
    bool FormatMessage;
  } Cases[] = {
      {"120\n130\n", {120, 130}, false, false},
      {"0120", {120}, false, false},
      {"120\r\n0\r\n9999\r\n130", {120, 0, 9999, 130}, false, false},
      {"120\r130\r", {120, 130}, false, false},
      {"120\n120\n", {120, 120}, false, false},
      {"", {}, false, false},
      {"12345\n120\n", {}, true, true},
      {"120\n12 \n130\n", {120}, true, true},
      {" 12", {}, true, true},
      {"1a", {}, true, true},
      {"-12", {}, true, true},
      {"120\n\n130\n", {120}, true, false},
      {"\n", {}, true, false},
      {"120\n\r\n", {120}, true, false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(C.Text)));
    TLearnPath Path;
    try {
      Path.ReadFromText(C.Text);
      EXPECT_FALSE(C.Fails);
    } catch (const ELearnPathError& E) {
      EXPECT_TRUE(C.Fails);
      EXPECT_EQ(std::string(E.what()) == FormatError, C.FormatMessage) << E.what();
    }
    EXPECT_EQ(Path.Items(), C.Entries);
  }
}

TEST(LearnPath, EndlessFilesStopAtTheEntryLimit) {
  std::string Text;
  for (int I = 0; I <= TLearnPath::MaxEntries; ++I) Text += "1\n";
  TLearnPath Path;
  EXPECT_THROW(Path.ReadFromText(Text), ELearnPathError);
  EXPECT_EQ(Path.Count(), TLearnPath::MaxEntries);
}

TEST(LearnPath, ReadsFilesAndNamesMissingOnes) {
  const TTempFile File("0120\r\n130\r\n");
  TLearnPath Path;
  Path.ReadFromFile(File.Name());
  EXPECT_EQ(Path.Items(), (std::vector<int>{120, 130}));
  try {
    Path.ReadFromFile("/nicht/da/pfad.txt");
    ADD_FAILURE();
  } catch (const ELearnPathError& E) {
    EXPECT_STREQ(E.what(), "/nicht/da/pfad.txt nicht gefunden.");
  }
  EXPECT_THROW(Path.ReadFromFile(std::filesystem::temp_directory_path().string()), ELearnPathError);
}

TEST(LearnPath, LoadFallsBackToTheCoursePages) {
  const std::vector<int> Course = {100, 110, 120};
  const TTempFile Good("205\n210\n");
  const TTempFile Bad("205\n210\n12 \n220\n");
  struct Case {
    std::string File;
    bool Exclusive;
    std::vector<int> Entries;
    std::string Status;
  } Cases[] = {
      {"", false, Course, "Standard"},
      {Good.Name(), false, {205, 210}, ExtractFileName(Good.Name())},
      {Good.Name(), true, {205, 210}, ExtractFileName(Good.Name()) + "*"},
      {Bad.Name(), true, {205, 210, 100, 110, 120}, "Standard"},
      {"/nicht/da.txt", true, Course, "Standard"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.File);
    TLearnPath Path;
    Path.SetExclusive(C.Exclusive);
    Path.Add(999);  // loading starts afresh
    EXPECT_EQ(Path.Load(C.File, Course), C.Status);
    EXPECT_EQ(Path.Items(), C.Entries);
    EXPECT_EQ(Path.Exclusive(), C.Exclusive);
    EXPECT_EQ(Path.LoadError().empty(), C.Status != "Standard" || C.File.empty()) << Path.LoadError();
  }
  EXPECT_EQ(ExtractFileName("C:\\Kurs\\weg.txt"), "weg.txt");
  EXPECT_EQ(ExtractFileName("weg.txt"), "weg.txt");
}

TEST(LearnPath, ButtonsAlongTheBuiltInPath) {
  TCourseModel Model;
  Model.LoadLearnPath();
  const TLearnPath& Path = Model.LearnPath();
  ASSERT_EQ(Path.Count(), Model.Contents().NodeCount() - 1);  // every page of the tree but the start page
  EXPECT_EQ(Path.Items().front(), 100);
  EXPECT_EQ(Path.Items().back(), 1010);
  EXPECT_EQ(Path.IndexOf(1000), Path.Count() - 2);  // the tasks' chapter start, after the last factorising page
  EXPECT_EQ(Path.IndexOf(400), Path.IndexOf(330) + 1);  // equivalence follows the reading of terms

  struct Case {
    int Page;
    int Back;  // -1: no button
    int Forward;
    const char* ForwardHint;
  } Cases[] = {
      {10, -1, 100, "Starte Lernweg"},  {100, -1, 110, "Lernweg weiter"}, {120, 110, 130, "Lernweg weiter"},
      {970, 960, 1000, "Lernweg weiter"}, {1000, 970, 1010, "Lernweg weiter"}, {1010, 1000, -1, ""},
      {28, -1, 100, "Starte Lernweg"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Page);
    const TLearnPathButtons B = Path.Buttons(C.Page);
    EXPECT_EQ(B.Back.Visible, C.Back != -1);
    EXPECT_EQ(B.Back.Target, C.Back);
    EXPECT_EQ(B.Back.Hint, C.Back != -1 ? "Lernweg zurück" : "");
    EXPECT_EQ(B.Forward.Visible, C.Forward != -1);
    EXPECT_EQ(B.Forward.Target, C.Forward);
    EXPECT_EQ(B.Forward.Hint, C.ForwardHint);
  }

  TLearnPath Empty;
  EXPECT_FALSE(Empty.Buttons(10).Back.Visible);
  EXPECT_FALSE(Empty.Buttons(10).Forward.Visible);
  TLearnPath Twice;
  Twice.ReadFromText("120\n130\n120\n140\n");
  EXPECT_EQ(Twice.Buttons(120).Forward.Target, 130);  // the first position counts
}
