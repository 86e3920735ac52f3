#include "platform/TreeView.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>
#include <functional>

#include "platform/ControlAccessible.h"

namespace {
constexpr int NodeRole = Qt::UserRole;
}  // namespace

int TTreeNode::Level() const {
  int Depth = 0;
  for (const TTreeNode* P = FParent; P; P = P->FParent) ++Depth;
  return Depth;
}

void TTreeNode::SetImageIndex(int Value) {
  FImageIndex = Value;
  UpdatePicture();
}

void TTreeNode::SetSelectedIndex(int Value) {
  FSelectedIndex = Value;
  UpdatePicture();
}

bool TTreeNode::Expanded() const { return FItem->isExpanded(); }
void TTreeNode::SetExpanded(bool Value) { FItem->setExpanded(Value); }

bool TTreeNode::Selected() const { return FView.Selected() == this; }

void TTreeNode::UpdatePicture() {
  const int Index = Selected() ? FSelectedIndex : FImageIndex;
  const QList<QImage>& Images = FView.Images();
  if (Index >= 0 && Index < Images.size())
    FItem->setIcon(0, QIcon(QPixmap::fromImage(Images[Index])));
  else
    FItem->setIcon(0, QIcon());
}

TTreeView::TTreeView(QWidget* Parent) : TControl(Parent), FTree(new QTreeWidget(this)) {
  SetParentColor(false);
  SetColor(clWindow);
  FTree->setHeaderHidden(true);
  FTree->setColumnCount(1);
  FTree->setSelectionMode(QAbstractItemView::SingleSelection);
  FTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FTree->setExpandsOnDoubleClick(false);
  FTree->setRootIsDecorated(true);
  setFocusProxy(FTree);
  setFocusPolicy(Qt::StrongFocus);
  SetBounds(0, 0, 121, 97);
  FTree->setGeometry(rect());
  connect(FTree, &QTreeWidget::currentItemChanged, this, &TTreeView::CurrentChanged);
  connect(FTree, &QTreeWidget::itemDoubleClicked, this, [this] { OnDblClick(this); });
  FontChanged();
  ColorChanged();
}

TTreeView::~TTreeView() {
  // The Qt tree goes first; the nodes only point into it.
  disconnect(FTree, nullptr, this, nullptr);
  delete FTree;
  FTree = nullptr;
}

int TTreeView::Indent() const { return FTree->indentation(); }
void TTreeView::SetIndent(int Value) { FTree->setIndentation(Value); }

void TTreeView::SetImages(const QList<QImage>& Images) {
  FImages = Images;
  int Size = 0;
  for (const QImage& Image : FImages) Size = std::max({Size, Image.width(), Image.height()});
  if (Size > 0) FTree->setIconSize(QSize(Size, Size));
  for (const auto& Node : FNodes) Node->UpdatePicture();
}

TTreeNode* TTreeView::AddChild(TTreeNode* Parent, const QString& Text, int Data) {
  auto* Item = new QTreeWidgetItem(QStringList{Text});
  if (Parent)
    Parent->FItem->addChild(Item);
  else
    FTree->addTopLevelItem(Item);
  FNodes.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(*this, Parent, Text, Data, Item)));
  TTreeNode* Node = FNodes.back().get();
  Item->setData(0, NodeRole, QVariant::fromValue(static_cast<qulonglong>(FNodes.size() - 1)));
  return Node;
}

void TTreeView::Clear() {
  FReverting = true;
  FTree->clear();
  FReverting = false;
  FNodes.clear();
}

std::vector<TTreeNode*> TTreeView::Nodes() const {
  std::vector<TTreeNode*> Order;
  std::function<void(QTreeWidgetItem*)> Walk = [&](QTreeWidgetItem* Item) {
    Order.push_back(NodeOfItem(Item));
    for (int I = 0; I < Item->childCount(); ++I) Walk(Item->child(I));
  };
  for (int I = 0; I < FTree->topLevelItemCount(); ++I) Walk(FTree->topLevelItem(I));
  return Order;
}

void TTreeView::FullExpand() { FTree->expandAll(); }

TTreeNode* TTreeView::NodeOfItem(const QTreeWidgetItem* Item) const {
  if (!Item) return nullptr;
  const qulonglong Index = Item->data(0, NodeRole).toULongLong();
  return Index < FNodes.size() ? FNodes[Index].get() : nullptr;
}

TTreeNode* TTreeView::Selected() const { return FTree ? NodeOfItem(FTree->currentItem()) : nullptr; }

bool TTreeView::SetSelected(TTreeNode* Node) {
  FTree->setCurrentItem(Node ? Node->FItem : nullptr);
  if (Node && Selected() == Node) FTree->scrollToItem(Node->FItem);
  return Selected() == Node;
}

void TTreeView::CurrentChanged(QTreeWidgetItem* Current, QTreeWidgetItem* Previous) {
  if (FReverting) return;
  bool AllowChange = true;
  if (TTreeNode* Node = NodeOfItem(Current)) OnChanging(this, Node, AllowChange);
  if (!AllowChange) {
    FReverting = true;
    FTree->setCurrentItem(Previous);
    FReverting = false;
    return;
  }
  if (TTreeNode* Old = NodeOfItem(Previous)) Old->UpdatePicture();
  if (TTreeNode* New = NodeOfItem(Current)) New->UpdatePicture();
  OnClick(this);
}

void TTreeView::SetFocus() { FTree->setFocus(Qt::OtherFocusReason); }

void TTreeView::FontChanged() { ShowFontInField(FTree, *Font()); }

void TTreeView::ColorChanged() { ShowColorInField(FTree, Color()); }

void TTreeView::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FTree->setGeometry(rect());
}

QString TTreeView::FieldName() const {
  const QString Beside = TextBeside(this);
  return Beside.isEmpty() ? NumberedName(this, QStringLiteral("Baumansicht")) : Beside;
}
