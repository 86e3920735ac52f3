#pragma once
// The page table: which page form class shows which page number. A page
// number without a row does not exist as a page (the shell reports
// "Seite N nicht vorhanden."). Several numbers may share one class.
#include <string>
#include <string_view>
#include <vector>

struct TPageRow {
  int Page = 0;
  std::string ClassName;  // e.g. "TfmRVBrems"
};

class TPageTable {
 public:
  TPageTable() = default;
  explicit TPageTable(std::vector<TPageRow> Rows) : FRows(std::move(Rows)) {}

  // The class name of the first row carrying Page; empty when there is none.
  std::string_view ClassOf(int Page) const;
  bool Has(int Page) const { return !ClassOf(Page).empty(); }
  int Count() const { return static_cast<int>(FRows.size()); }
  const std::vector<TPageRow>& Rows() const { return FRows; }

 private:
  std::vector<TPageRow> FRows;
};

// "Seite 1000 nicht vorhanden."
std::string PageMissingMessage(int Page);

// The 41 rows of the shipped course.
TPageTable ShippedPageTable();
