#include "shell/Pages.h"

#include <QPainter>
#include <QSaveFile>
#include <functional>
#include <map>

#include "platform/Dialogs.h"
#include "platform/SaveDialog.h"
#include "platform/TreeView.h"
#include "scene/MMButton.h"
#include "shell/MMX.h"
#include "shell/NavigationKeys.h"

namespace {

constexpr int ChapterPicture = 0;
constexpr int PagePicture = 1;
constexpr int SelectedPicture = 2;
constexpr int SolvedPicture = 3;
constexpr int PictureSize = 16;

QImage NewPicture() {
  QImage Picture(PictureSize, PictureSize, QImage::Format_ARGB32_Premultiplied);
  Picture.fill(Qt::transparent);
  return Picture;
}

// A closed blue book with a light spine.
QImage BookPicture() {
  QImage Picture = NewPicture();
  QPainter P(&Picture);
  P.setPen(QColor(24, 48, 112));
  P.setBrush(QColor(52, 96, 184));
  P.drawRect(3, 1, 10, 13);
  P.fillRect(4, 2, 2, 12, QColor(150, 180, 235));
  P.setPen(QColor(240, 240, 240));
  P.drawLine(4, 15, 13, 15);
  P.drawLine(8, 5, 11, 5);
  return Picture;
}

// A white sheet with a folded corner and lines of text.
QImage SheetPicture(const QColor& Paper, const QColor& Ink) {
  QImage Picture = NewPicture();
  QPainter P(&Picture);
  P.setPen(QColor(90, 90, 90));
  P.setBrush(Paper);
  P.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
  P.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
  P.setPen(Ink);
  for (int Y = 6; Y <= 12; Y += 2) P.drawLine(5, Y, 11, Y);
  return Picture;
}

// The sheet marked with a red arrow pointing at it: "here you are".
QImage ChosenPicture() {
  QImage Picture = SheetPicture(QColor(255, 240, 150), QColor(150, 120, 40));
  QPainter P(&Picture);
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(210, 30, 30));
  P.drawPolygon(QPolygon({QPoint(0, 5), QPoint(6, 9), QPoint(0, 13)}));
  return Picture;
}

// The sheet with a green tick over it: "solved".
QImage SolvedSheetPicture() {
  QImage Picture = SheetPicture(Qt::white, QColor(160, 160, 160));
  QPainter P(&Picture);
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(QPen(QColor(20, 140, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  P.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(7, 12.5), QPointF(14, 3)}));
  return Picture;
}

}  // namespace

TfmPages::TfmPages(QWidget* Parent) : TForm(Parent) { setWindowFlags(Qt::Dialog); }

TfmPages::~TfmPages() = default;

TTreeView* TfmPages::TreeView1() const { return Component<TTreeView>(QStringLiteral("TreeView1")); }
TMMButton* TfmPages::MMButton1() const { return Component<TMMButton>(QStringLiteral("MMButton1")); }
TMMButton* TfmPages::MMButton2() const { return Component<TMMButton>(QStringLiteral("MMButton2")); }
TSaveDialog* TfmPages::SaveDialog1() const { return Component<TSaveDialog>(QStringLiteral("SaveDialog1")); }

QList<QImage> TfmPages::NodePictures() {
  return {BookPicture(), SheetPicture(Qt::white, QColor(120, 120, 120)), ChosenPicture(), SolvedSheetPicture()};
}

void TfmPages::FormCreate(QObject*) {
  TTreeView* Tree = TreeView1();
  Tree->SetImages(NodePictures());
  Tree->Clear();
  // The tree shows the course's own table of contents.
  const TTableOfContents& Toc = MMX->Model().Contents();
  if (!Toc.Empty()) {
    std::function<void(TTocNodeId, TTreeNode*)> Add = [&](TTocNodeId Id, TTreeNode* Parent) {
      const TTocNode& Entry = Toc.Node(Id);
      TTreeNode* Node = Tree->AddChild(Parent, QString::fromStdString(Entry.Title), Entry.Page);
      // The root and the chapters are the chapter level.
      Node->SetImageIndex(Toc.Depth(Id) <= 1 ? ChapterPicture : PagePicture);
      Node->SetSelectedIndex(SelectedPicture);
      for (TTocNodeId Child : Entry.Children) Add(Child, Node);
    };
    Add(Toc.Root(), nullptr);
  }
  Tree->FullExpand();
}

void TfmPages::ShowProgress() {
  const TTableOfContents& Toc = MMX->Model().Contents();
  const TLernstand& Lernstand = MMX->Lernstand().Lernstand();
  std::map<int, TChapterProgress> Chapters;
  for (TChapterProgress& C : ChapterProgress(Toc, MMX->Model().Pages(), Lernstand)) Chapters[C.Page] = std::move(C);
  for (TTreeNode* Node : TreeView1()->Nodes()) {
    if (Node->Level() == 1) {
      if (const auto It = Chapters.find(Node->Data()); It != Chapters.end())
        Node->SetText(QStringLiteral("%1 (%2/%3)")
                          .arg(QString::fromStdString(It->second.Title))
                          .arg(It->second.Solved)
                          .arg(It->second.Total()));
    } else if (Node->Level() > 1) {
      Node->SetImageIndex(Lernstand.IsSolved(Node->Data()) ? SolvedPicture : PagePicture);
    }
  }
}

TTreeNode* TfmPages::NodeOfPage(int Page) const {
  for (TTreeNode* Node : TreeView1()->Nodes())
    if (Node->Data() == Page) return Node;
  return nullptr;
}

void TfmPages::SelectPage(int Page) {
  if (TTreeNode* Node = NodeOfPage(Page)) TreeView1()->SetSelected(Node);
  TreeView1()->SetFocus();
}

void TfmPages::FormKeyDown(QObject*, int& Key, int) { HandleNavigationKey(*this, Key, [this] { GotoClick(this); }); }

void TfmPages::TreeView1Changing(QObject*, TTreeNode* Node, bool& AllowChange) {
  AllowChange = Node && Node->Data() >= 0;
}

void TfmPages::GotoClick(QObject*) {
  SetModalResult(mrOk);
  hide();
  const TTreeNode* Node = TreeView1()->Selected();
  if (Node && Node->Data() >= 1) MMX->PostGotoPage(Node->Data(), true);
}

void TfmPages::MMButton1Click(QObject*) {
  TSaveDialog* Dialog = SaveDialog1();
  if (!Dialog->Execute()) return;
  // Written aside and put in place whole, so a failed export never leaves
  // half a file where a good one was.
  QSaveFile File(Dialog->FileName());
  const std::string Text = MMX->Model().Contents().ToIndentedText();
  const bool Written = File.open(QIODevice::WriteOnly) &&
                       File.write(Text.data(), static_cast<qint64>(Text.size())) == static_cast<qint64>(Text.size()) &&
                       File.commit();
  if (!Written)
    MessageDlg(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n%2")
                   .arg(Dialog->FileName(), File.errorString()),
               mtError, mbOKOnly);
}
