#pragma once
// TTreeView: a tree of titled nodes, each carrying a number (a page), shown
// with a picture per node from the view's picture list (ImageIndex, and
// SelectedIndex while the node is the chosen one). The pupil cannot rename
// nodes. OnChanging asks before another node becomes the chosen one and may
// refuse; OnClick follows a change of the chosen node, OnDblClick a double
// click on a node.
#include <QImage>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "platform/Controls.h"

class QTreeWidget;
class QTreeWidgetItem;
class TTreeView;

class TTreeNode {
 public:
  QString Text() const { return FText; }
  int Data() const { return FData; }
  TTreeNode* Parent() const { return FParent; }
  // 0 for a top node.
  int Level() const;
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  bool Expanded() const;
  void SetExpanded(bool Value);
  // Whether this is the chosen node of its view.
  bool Selected() const;

 private:
  friend class TTreeView;
  TTreeNode(TTreeView& View, TTreeNode* Parent, QString Text, int Data, QTreeWidgetItem* Item)
      : FView(View), FParent(Parent), FText(std::move(Text)), FData(Data), FItem(Item) {}
  void UpdatePicture();

  TTreeView& FView;
  TTreeNode* FParent;
  QString FText;
  int FData;
  QTreeWidgetItem* FItem;  // owned by the Qt tree
  int FImageIndex = -1;
  int FSelectedIndex = -1;
};

// The node about to be chosen; set AllowChange to false to keep the one before.
using TTVChangingEvent = TEvent<TTreeNode*, bool&>;

class TTreeView : public TControl {
  Q_OBJECT
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
 public:
  explicit TTreeView(QWidget* Parent = nullptr);
  ~TTreeView() override;

  TTVChangingEvent OnChanging;
  TNotifyEvent OnDblClick;

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  int Indent() const;
  void SetIndent(int Value);

  // The node pictures, indexed by the nodes' ImageIndex and SelectedIndex.
  void SetImages(const QList<QImage>& Images);
  const QList<QImage>& Images() const { return FImages; }

  // Adds a node as the last child of Parent (null: a top node).
  TTreeNode* AddChild(TTreeNode* Parent, const QString& Text, int Data);
  void Clear();
  // Every node in tree order (parent before children).
  std::vector<TTreeNode*> Nodes() const;
  int Count() const { return static_cast<int>(FNodes.size()); }
  void FullExpand();

  // The chosen node, null when none is. Choosing from code asks OnChanging
  // too; false when the change was refused.
  TTreeNode* Selected() const;
  bool SetSelected(TTreeNode* Node);

  void SetFocus();
  // The text beside the tree, else "Baumansicht N".
  QString FieldName() const override;
  // The Qt tree inside, for the keyboard and for tests.
  QTreeWidget* TreeWidget() const { return FTree; }
  // The node shown by a Qt item of the tree, or null.
  TTreeNode* NodeOfItem(const QTreeWidgetItem* Item) const;

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  friend class TTreeNode;
  void CurrentChanged(QTreeWidgetItem* Current, QTreeWidgetItem* Previous);

  QTreeWidget* FTree;  // child
  std::vector<std::unique_ptr<TTreeNode>> FNodes;
  QList<QImage> FImages;
  bool FReadOnly = false;
  bool FReverting = false;
};
