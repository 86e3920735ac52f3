// The list box, tree view, scroll box and save dialog of the designs.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>
#include <QTreeWidget>

#include "platform/ListBox.h"
#include "platform/PaintBox.h"
#include "platform/SaveDialog.h"
#include "platform/ScrollBox.h"
#include "platform/TreeView.h"

TEST(ListBox, SortedLinesKeepTheirNumbersAndOnlyThePupilRaisesClick) {
  TListBox List;
  List.AddItem("Übung", 1);
  List.AddItem("Term", 2);
  EXPECT_EQ(List.Item(0), "Übung");
  int Clicks = 0;
  List.OnClick = [&](QObject*) { ++Clicks; };
  List.SetSorted(true);
  EXPECT_EQ(List.AddItem("ausklammern", 3), 0);
  EXPECT_EQ(List.AddItem("Zahl", 4), 3);
  const QStringList Expected = {"ausklammern", "Term", "Übung", "Zahl"};
  for (int I = 0; I < List.Count(); ++I) EXPECT_EQ(List.Item(I), Expected[I]);
  EXPECT_EQ(List.ItemData(2), 1);
  EXPECT_EQ(List.ItemIndex(), -1);
  List.SetItemIndex(1);
  EXPECT_EQ(List.ItemIndex(), 1);
  EXPECT_EQ(Clicks, 0);
  List.ListWidget()->setCurrentRow(2);
  EXPECT_EQ(List.ItemIndex(), 2);
  EXPECT_EQ(Clicks, 1);
  List.Clear();
  EXPECT_EQ(List.Count(), 0);
  EXPECT_EQ(List.ItemIndex(), -1);
  EXPECT_EQ(Clicks, 1);
}

TEST(TreeView, RefusedChangesKeepTheChosenNodeAndItsPicture) {
  TTreeView Tree;
  QImage Red(8, 8, QImage::Format_RGB32);
  Red.fill(Qt::red);
  QImage Blue = Red;
  Blue.fill(Qt::blue);
  Tree.SetImages({Red, Blue});
  TTreeNode* Root = Tree.AddChild(nullptr, "Kurs", 1);
  TTreeNode* Heading = Tree.AddChild(Root, "Überschrift", -1);
  TTreeNode* Page = Tree.AddChild(Heading, "Seite", 2);
  for (TTreeNode* Node : {Root, Heading, Page}) {
    Node->SetImageIndex(0);
    Node->SetSelectedIndex(1);
  }
  Tree.FullExpand();
  EXPECT_EQ(Page->Level(), 2);
  EXPECT_TRUE(Heading->Expanded());
  EXPECT_EQ(Tree.Nodes(), (std::vector<TTreeNode*>{Root, Heading, Page}));

  Tree.OnChanging = [](QObject*, TTreeNode* Node, bool& Allow) { Allow = Node->Data() >= 0; };
  int Changes = 0;
  Tree.OnClick = [&](QObject*) { ++Changes; };
  EXPECT_TRUE(Tree.SetSelected(Page));
  EXPECT_TRUE(Page->Selected());
  EXPECT_FALSE(Tree.SetSelected(Heading));
  Tree.TreeWidget()->setCurrentItem(Tree.TreeWidget()->topLevelItem(0)->child(0));
  EXPECT_EQ(Tree.Selected(), Page);
  EXPECT_EQ(Changes, 1);
  auto Colour = [&](const QTreeWidgetItem* Item) {
    return Item->icon(0).pixmap(8, 8).toImage().pixelColor(4, 4);
  };
  const QTreeWidgetItem* RootItem = Tree.TreeWidget()->topLevelItem(0);
  EXPECT_EQ(Colour(RootItem->child(0)->child(0)), QColor(Qt::blue));
  EXPECT_EQ(Colour(RootItem), QColor(Qt::red));
  EXPECT_TRUE(Tree.SetSelected(Root));
  EXPECT_EQ(Colour(RootItem->child(0)->child(0)), QColor(Qt::red));
  EXPECT_EQ(Colour(RootItem), QColor(Qt::blue));
}

TEST(ScrollBox, BarsAppearForLargeChildrenAndScrollingMovesThem) {
  TScrollBox Box;
  Box.SetBounds(0, 0, 200, 100);
  auto* Inner = new TPaintBox(&Box);
  Inner->SetBounds(0, 0, 150, 400);
  Box.UpdateScrollRange();
  EXPECT_FALSE(Box.HorzScrollBar()->isVisibleTo(&Box));
  ASSERT_TRUE(Box.VertScrollBar()->isVisibleTo(&Box));
  EXPECT_EQ(Box.VertScrollBar()->maximum(), 300);
  Box.ScrollTo(0, 120);
  EXPECT_EQ(Inner->pos(), QPoint(0, -120));
  // Wider than the room the vertical bar leaves: both bars.
  Inner->SetBounds(0, -120, 195, 400);
  Box.UpdateScrollRange();
  EXPECT_TRUE(Box.HorzScrollBar()->isVisibleTo(&Box));
  Box.ScrollTo(0, 0);
  EXPECT_EQ(Inner->pos(), QPoint(0, 0));
}

TEST(SaveDialog, FiltersDefaultExtensionAndCancel) {
  EXPECT_EQ(QtFileFilters("Textdatei (*.txt)|*.txt"), QStringList{"Textdatei (*.txt)"});
  EXPECT_EQ(QtFileFilters("Bitmap|*.bmp|GIF-Bild (*.gif)|*.gif"), (QStringList{"Bitmap (*.bmp)", "GIF-Bild (*.gif)"}));
  TSaveDialog Dialog;
  Dialog.SetFilter("Textdatei (*.txt)|*.txt");
  Dialog.SetDefaultExt("txt");
  std::optional<QString> Answer = QStringLiteral("/tmp/liste");
  TSavePresenterScope Scope([&](const TSaveRequest& Request) {
    EXPECT_EQ(Request.Filters, QStringList{"Textdatei (*.txt)"});
    return Answer;
  });
  ASSERT_TRUE(Dialog.Execute());
  EXPECT_EQ(Dialog.FileName(), "/tmp/liste.txt");
  Answer = QStringLiteral("/tmp/liste.csv");
  ASSERT_TRUE(Dialog.Execute());
  EXPECT_EQ(Dialog.FileName(), "/tmp/liste.csv");
  Answer = std::nullopt;
  EXPECT_FALSE(Dialog.Execute());
  EXPECT_EQ(Dialog.FileName(), "/tmp/liste.csv");
}
