#include "shell/Stichwort.h"

#include <exception>

#include "platform/Application.h"
#include "platform/ListBox.h"
#include "scene/MMButton.h"
#include "shell/MMX.h"
#include "shell/NavigationKeys.h"

TfmStichwort::TfmStichwort(QWidget* Parent) : TForm(Parent) { setWindowFlags(Qt::Dialog); }

TfmStichwort::~TfmStichwort() = default;

TListBox* TfmStichwort::ListBox1() const { return Component<TListBox>(QStringLiteral("ListBox1")); }
TListBox* TfmStichwort::ListBox2() const { return Component<TListBox>(QStringLiteral("ListBox2")); }
TMMButton* TfmStichwort::MMButton2() const { return Component<TMMButton>(QStringLiteral("MMButton2")); }

void TfmStichwort::FormCreate(QObject*) {
  SetClientHeight(ListBox2()->Height());
  SetKeywordRows(MMX->Model().Keywords());
  ListBox1()->SetFocus();
}

void TfmStichwort::SetKeywordRows(const std::vector<TKeywordRow>& Rows) {
  FKeywords = BuildKeywordList(Rows);
  ListBox1()->Clear();
  ListBox2()->Clear();
  for (size_t I = 0; I < FKeywords.size(); ++I)
    ListBox1()->AddItem(QString::fromStdString(FKeywords[I].Text), static_cast<int>(I));
}

void TfmStichwort::FormKeyDown(QObject*, int& Key, int) {
  HandleNavigationKey(*this, Key, [this] { MMButton2Click(this); });
}

void TfmStichwort::ListBox1Click(QObject*) {
  const int Index = ListBox1()->ItemIndex();
  if (Index < 0) return;
  const size_t Keyword = static_cast<size_t>(ListBox1()->ItemData(Index));
  if (Keyword >= FKeywords.size()) return;
  TListBox* Pages = ListBox2();
  Pages->Clear();
  // Line by line: a page missing from the table of contents is reported,
  // and the lines before it stay.
  try {
    for (int Page : FKeywords[Keyword].Pages)
      Pages->AddItem(QString::fromStdString(IndexPageText(MMX->Model().Contents(), Page)), Page);
  } catch (const std::exception& E) {
    HandleException(E);
  }
}

void TfmStichwort::MMButton2Click(QObject*) {
  SetModalResult(mrOk);
  hide();
  const int Index = ListBox2()->ItemIndex();
  if (Index >= 0) MMX->PostGotoPage(ListBox2()->ItemData(Index), true);
}
