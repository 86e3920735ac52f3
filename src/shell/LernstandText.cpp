#include "shell/LernstandText.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr const char* NameField = "Name";
constexpr const char* HeaderLine = "Kapitel;Seite;Titel;Gelöst am;Prüfungen";

std::string Join(const std::vector<std::string>& Fields) {
  std::string Line;
  for (std::size_t I = 0; I < Fields.size(); ++I) {
    if (I > 0) Line += ';';
    Line += CsvField(Fields[I]);
  }
  Line += LineEnd;
  return Line;
}

// A whole decimal number 0 ... Max without sign or blanks.
bool ReadNumber(std::string_view Text, long long Max, long long& Value) {
  if (Text.empty() || Text.size() > 12) return false;
  long long V = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), V);
  if (Error != std::errc() || End != Text.data() + Text.size() || V < 0 || V > Max) return false;
  Value = V;
  return true;
}

// The pages with progress that the course's chapters do not list.
std::vector<int> PagesOutsideChapters(const TLernstand& Lernstand, const std::vector<TChapterProgress>& Chapters) {
  std::vector<int> Outside;
  for (const auto& [Page, Progress] : Lernstand.Pages()) {
    bool Listed = false;
    for (const TChapterProgress& C : Chapters)
      for (int P : C.Pages) Listed = Listed || P == Page;
    if (!Listed) Outside.push_back(Page);
  }
  return Outside;
}

}  // namespace

std::string PagesSolvedText(int Solved, int Total) {
  return std::to_string(Solved) + " von " + std::to_string(Total) + (Total == 1 ? " Seite" : " Seiten");
}

std::string ChapterSentence(const TChapterProgress& Chapter) {
  return "Du hast " + PagesSolvedText(Chapter.Solved, Chapter.Total()) + " dieses Kapitels gelöst.";
}

std::string ProgressReport(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table) {
  std::string Text;
  if (!Lernstand.Pupil().empty()) Text += "Lernstand von " + Lernstand.Pupil() + "\n\n";
  const std::vector<TChapterProgress> Chapters = ChapterProgress(Toc, Table, Lernstand);
  for (const TChapterProgress& C : Chapters)
    Text += C.Title + ": " + PagesSolvedText(C.Solved, C.Total()) + " gelöst\n";
  std::string Solved;
  for (const TChapterProgress& C : Chapters)
    for (int Page : C.Pages) {
      const TPageProgress P = Lernstand.Progress(Page);
      if (!P.Solved) continue;
      Solved += "  " + P.FirstSolved.GermanDate() + "  " + C.Title + " / " + Toc.Node(Toc.NodeOf(Page)).Title +
                " (Seite " + std::to_string(Page) + ")\n";
    }
  Text += Solved.empty() ? "\nNoch keine Seite gelöst.\n" : "\nGelöste Seiten:\n" + Solved;
  return Text;
}

std::string LernstandCsv(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table) {
  std::string Text(Utf8Bom);
  Text += Join({NameField, Lernstand.Pupil()});
  Text += HeaderLine;
  Text += LineEnd;
  const std::vector<TChapterProgress> Chapters = ChapterProgress(Toc, Table, Lernstand);
  auto Row = [&](const std::string& Chapter, int Page, const std::string& Title) {
    const TPageProgress P = Lernstand.Progress(Page);
    Text += Join({Chapter, std::to_string(Page), Title, P.Solved ? P.FirstSolved.SheetText() : std::string(),
                  std::to_string(P.Checks)});
  };
  for (const TChapterProgress& C : Chapters)
    for (int Page : C.Pages) Row(C.Title, Page, Toc.Node(Toc.NodeOf(Page)).Title);
  for (int Page : PagesOutsideChapters(Lernstand, Chapters)) Row("", Page, "");
  return Text;
}

TLernstandReading ReadLernstandCsv(std::string_view Text) {
  TLernstandReading R;
  if (Text.substr(0, Utf8Bom.size()) == Utf8Bom) Text.remove_prefix(Utf8Bom.size());
  int LineNumber = 0;
  bool HaveName = false;
  bool HaveHeader = false;
  auto Fail = [&](const std::string& Reason) {
    R.Ok = false;
    R.Error = "Zeile " + std::to_string(LineNumber) + ": " + Reason;
    return R;
  };
  std::vector<std::string> Fields;
  while (!Text.empty()) {
    std::size_t End = Text.find('\n');
    std::string_view Line = Text.substr(0, End);
    Text.remove_prefix(End == std::string_view::npos ? Text.size() : End + 1);
    ++LineNumber;
    if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
    if (Line.empty()) continue;
    if (!SplitCsvLine(Line, Fields)) return Fail("Anführungszeichen passen nicht zusammen");
    if (!HaveName) {
      if (Fields.size() < 2 || Fields[0] != NameField) return Fail("„Name;…“ erwartet");
      R.Lernstand.SetPupil(Fields[1]);
      HaveName = true;
      continue;
    }
    if (!HaveHeader) {
      if (Fields.empty() || Fields[0] != "Kapitel") return Fail("die Kopfzeile „Kapitel;Seite;…“ fehlt");
      HaveHeader = true;
      continue;
    }
    if (Fields.size() < 5) return Fail("zu wenige Spalten");
    long long Page = 0;
    if (!ReadNumber(Fields[1], TLernstand::MaxPageNumber, Page) || !TLernstand::IsPageNumber(Page))
      return Fail("„" + Fields[1] + "“ ist keine Seitennummer");
    TPageProgress Progress;
    if (!Fields[3].empty()) {
      const std::optional<TLernstandTime> When = ParseSheetTime(Fields[3]);
      if (!When) return Fail("„" + Fields[3] + "“ ist kein Datum");
      Progress.Solved = true;
      Progress.FirstSolved = *When;
    }
    long long Checks = 0;
    if (!ReadNumber(Fields[4], TLernstand::MaxChecks, Checks)) return Fail("„" + Fields[4] + "“ ist keine Anzahl");
    Progress.Checks = static_cast<int>(Checks);
    if (Progress != TPageProgress()) R.Lernstand.SetProgress(static_cast<int>(Page), Progress);
  }
  if (!HaveHeader) {
    R.Error = HaveName ? "die Kopfzeile „Kapitel;Seite;…“ fehlt" : "die Datei ist leer";
    return R;
  }
  R.Ok = true;
  return R;
}

std::string ClassTable(const std::vector<TClassMember>& Pupils, const TTableOfContents& Toc, const TPageTable& Table) {
  std::vector<std::string> Header{NameField};
  for (const TChapterProgress& C : ChapterProgress(Toc, Table, TLernstand())) Header.push_back(C.Title);
  std::string Text = Join(Header);
  for (const TClassMember& Pupil : Pupils) {
    std::vector<std::string> Row{Pupil.Name};
    for (const TChapterProgress& C : ChapterProgress(Toc, Table, Pupil.Lernstand))
      Row.push_back(std::to_string(C.Solved) + " von " + std::to_string(C.Total()));
    Text += Join(Row);
  }
  return Text;
}

std::string CsvField(std::string_view Text) {
  std::string Field;
  bool Quote = false;
  for (char C : Text) {
    if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F) C = ' ';
    if (C == ';' || C == '"') Quote = true;
    Field += C;
    if (C == '"') Field += '"';
  }
  return Quote ? '"' + Field + '"' : Field;
}

bool SplitCsvLine(std::string_view Line, std::vector<std::string>& Fields) {
  Fields.clear();
  std::size_t Pos = 0;
  while (true) {
    std::string Field;
    if (Pos < Line.size() && Line[Pos] == '"') {
      ++Pos;
      while (true) {
        if (Pos >= Line.size()) return false;
        if (Line[Pos] == '"') {
          if (Pos + 1 < Line.size() && Line[Pos + 1] == '"') {
            Field += '"';
            Pos += 2;
            continue;
          }
          ++Pos;
          break;
        }
        Field += Line[Pos++];
      }
      if (Pos < Line.size() && Line[Pos] != ';') return false;
    } else {
      const std::size_t End = std::min(Line.find(';', Pos), Line.size());
      Field = std::string(Line.substr(Pos, End - Pos));
      Pos = End;
    }
    Fields.push_back(std::move(Field));
    if (Pos >= Line.size()) return true;
    ++Pos;  // the ";"
  }
}
