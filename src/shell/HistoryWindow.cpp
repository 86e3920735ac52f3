#include "shell/HistoryWindow.h"

#include "platform/ListBox.h"
#include "scene/MMButton.h"
#include "shell/MMX.h"
#include "shell/NavigationKeys.h"

TfmHistory::TfmHistory(QWidget* Parent) : TForm(Parent) { setWindowFlags(Qt::Dialog); }

TfmHistory::~TfmHistory() = default;

TListBox* TfmHistory::ListBox2() const { return Component<TListBox>(QStringLiteral("ListBox2")); }
TMMButton* TfmHistory::MMButton2() const { return Component<TMMButton>(QStringLiteral("MMButton2")); }

void TfmHistory::FormCreate(QObject*) {
  TListBox* List = ListBox2();
  List->Clear();
  const TCourseModel& Model = MMX->Model();
  // The way across lessons; a page this course no longer has is left out.
  for (int Page : MMX->WayAcrossLessons())
    if (Model.Contents().Contains(Page)) List->AddItem(QString::fromStdString(Model.Contents().Path(Page)), Page);
  List->SetFocus();
}

void TfmHistory::FormKeyDown(QObject*, int& Key, int) {
  HandleNavigationKey(*this, Key, [this] { MMButton2Click(this); });
}

void TfmHistory::MMButton2Click(QObject*) {
  SetModalResult(mrOk);
  hide();
  const int Index = ListBox2()->ItemIndex();
  if (Index >= 0) MMX->PostGotoPage(ListBox2()->ItemData(Index), true);
}
