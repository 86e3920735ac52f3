#pragma once
// The learning path: an ordered list of page numbers that the
// learning-path buttons of the pages walk through. In exclusive mode only
// pages on the path (and the start page) may be shown.
//
// File format: plain text, one page number per line, 1 to 4 decimal digits
// each ("0120" is page 120), lines taken in file order, duplicates allowed.
// Lines end with LF, CR LF or CR; the end of the file ends the last line.
// A longer line or any other character (a blank included) stops reading
// with "Format der Lernpfaddatei stimmt nicht."; an empty line stops it as
// well. The entries read before the bad line stay.
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Any failure while reading a learning path file; the message is German.
// Line: the number of the bad line (from 1), 0 when the file as a whole
// failed.
class ELearnPathError : public std::runtime_error {
 public:
  explicit ELearnPathError(const std::string& Message, int Line = 0) : std::runtime_error(Message), FLine(Line) {}
  int Line() const { return FLine; }

 private:
  int FLine;
};

// One learning-path button of a page: shown or not, where it leads, its hint.
struct TLearnPathButton {
  bool Visible = false;
  int Target = -1;
  std::string Hint;
};

struct TLearnPathButtons {
  TLearnPathButton Back;     // "Lernweg zurück", placed at the left edge
  TLearnPathButton Forward;  // "Starte Lernweg" / "Lernweg weiter", at the right edge
};

class TLearnPath {
 public:
  // More lines than this make a file unusable (treated like a bad line), so
  // a huge or endless file cannot exhaust memory.
  static constexpr int MaxEntries = 10000;

  const std::vector<int>& Items() const { return FItems; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // First position of Page on the path; -1 when it is not on it.
  int IndexOf(int Page) const;
  bool Contains(int Page) const { return IndexOf(Page) >= 0; }
  void Clear() { FItems.clear(); }
  void Add(int Page) { FItems.push_back(Page); }
  void Append(const std::vector<int>& Pages) { FItems.insert(FItems.end(), Pages.begin(), Pages.end()); }

  bool Exclusive() const { return FExclusive; }
  void SetExclusive(bool Value) { FExclusive = Value; }

  // Appends the entries of a learning path text / stream / file. Throws
  // ELearnPathError at the first bad line, keeping the entries before it.
  // ReadFromFile fails with FileName + " nicht gefunden." when there is no
  // such file.
  void ReadFromText(std::string_view Text);
  void ReadFromStream(std::istream& Stream);
  void ReadFromFile(const std::string& FileName);

  // Loads the path at start-up and returns the text for the status bar.
  // Without a file name the path becomes CoursePages and the text
  // "Standard". With one, the file is read and the text is its name without
  // folder, with "*" appended in exclusive mode. Any failure is swallowed:
  // CoursePages are appended to the entries read so far and the text stays
  // "Standard". The exclusive flag is left as it is. The failure is kept
  // for LoadError.
  std::string Load(const std::string& FileName, const std::vector<int>& CoursePages);
  // Why the last Load fell back to CoursePages, for the teacher who named
  // the file ("lp.txt nicht gefunden.", or the file name, the line and the
  // format error); empty when it did not.
  const std::string& LoadError() const { return FLoadError; }

  // The learning-path buttons of a page. Back: when the page stands on the
  // path after its start, leading to the entry before. Forward: when there
  // is an entry after the page's position, leading there; a page off the
  // path offers "Starte Lernweg" to the first entry.
  TLearnPathButtons Buttons(int Page) const;

 private:
  std::vector<int> FItems;
  std::string FLoadError;
  bool FExclusive = false;
};

// The name of a file without its folder (both "/" and "\" separate folders).
std::string ExtractFileName(const std::string& Path);
