#pragma once
// The keyword index "Stichwortliste": the keywords of the course, sorted;
// choosing one lists its pages, sorted, each as its path without the title
// of the course. " &Gehe zu", a double click on a page or Enter closes the
// window and then asks for the chosen page. Made anew for every opening.
#include <vector>

#include "platform/Forms.h"
#include "shell/KeywordTable.h"

class TListBox;
class TMMButton;

class TfmStichwort : public TForm {
  Q_OBJECT
 public:
  explicit TfmStichwort(QWidget* Parent = nullptr);
  ~TfmStichwort() override;

  TListBox* ListBox1() const;
  TListBox* ListBox2() const;
  TMMButton* MMButton2() const;

  // Builds the index from Rows instead of the course's own table.
  void SetKeywordRows(const std::vector<TKeywordRow>& Rows);

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void ListBox1Click(QObject* Sender);
  void MMButton2Click(QObject* Sender);

 private:
  // Every keyword with its pages; the lines of ListBox1 carry the index here.
  std::vector<TKeyword> FKeywords;
};
