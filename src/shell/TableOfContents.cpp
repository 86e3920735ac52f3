#include "shell/TableOfContents.h"

EPageNotFound::EPageNotFound(int Page)
    : std::runtime_error("Seite " + std::to_string(Page) + " konnte nicht gefunden werden!"), FPage(Page) {}

TTocNodeId TTableOfContents::Add(TTocNodeId Parent, std::string Title, int Page) {
  if (Parent == NoNode) {
    if (!FNodes.empty()) throw std::logic_error("table of contents already has a root");
  } else if (Parent < 0 || Parent >= NodeCount()) {
    throw std::out_of_range("no such parent node");
  }
  const TTocNodeId Id = NodeCount();
  FNodes.push_back(TTocNode{std::move(Title), Page, Parent, {}});
  if (Parent != NoNode) FNodes[static_cast<size_t>(Parent)].Children.push_back(Id);
  RebuildOrder();
  return Id;
}

void TTableOfContents::RebuildOrder() {
  FOrder.clear();
  if (FNodes.empty()) return;
  // Iterative depth-first walk, so deep trees cannot exhaust the stack.
  std::vector<TTocNodeId> Stack{0};
  while (!Stack.empty()) {
    const TTocNodeId Id = Stack.back();
    Stack.pop_back();
    FOrder.push_back(Id);
    const auto& Children = Node(Id).Children;
    for (auto It = Children.rbegin(); It != Children.rend(); ++It) Stack.push_back(*It);
  }
}

int TTableOfContents::Depth(TTocNodeId Id) const {
  int D = 0;
  for (TTocNodeId P = Node(Id).Parent; P != NoNode; P = Node(P).Parent) ++D;
  return D;
}

TTocNodeId TTableOfContents::FindNode(int Page) const {
  for (TTocNodeId Id : FOrder)
    if (Node(Id).Page == Page) return Id;
  return NoNode;
}

TTocNodeId TTableOfContents::NodeOf(int Page) const {
  const TTocNodeId Id = FindNode(Page);
  if (Id == NoNode) throw EPageNotFound(Page);
  return Id;
}

int TTableOfContents::First(int Page) const {
  const TTocNodeId Id = NodeOf(Page);
  const TTocNodeId Parent = Node(Id).Parent;
  if (Parent == NoNode) return NoPage;
  const TTocNodeId FirstChild = Node(Parent).Children.front();
  return FirstChild == Id ? NoPage : Node(FirstChild).Page;
}

int TTableOfContents::Last(int Page) const {
  const TTocNodeId Id = NodeOf(Page);
  const TTocNodeId Parent = Node(Id).Parent;
  if (Parent == NoNode) return NoPage;
  const TTocNodeId LastChild = Node(Parent).Children.back();
  return LastChild == Id ? NoPage : Node(LastChild).Page;
}

int TTableOfContents::Previous(int Page) const {
  const TTocNodeId Id = NodeOf(Page);
  const TTocNodeId Parent = Node(Id).Parent;
  if (Parent == NoNode) return NoPage;
  const auto& Siblings = Node(Parent).Children;
  for (size_t I = 1; I < Siblings.size(); ++I)
    if (Siblings[I] == Id) return Node(Siblings[I - 1]).Page;
  return NoPage;
}

int TTableOfContents::Next(int Page) const {
  const TTocNodeId Id = NodeOf(Page);
  const TTocNodeId Parent = Node(Id).Parent;
  if (Parent == NoNode) return NoPage;
  const auto& Siblings = Node(Parent).Children;
  for (size_t I = 0; I + 1 < Siblings.size(); ++I)
    if (Siblings[I] == Id) return Node(Siblings[I + 1]).Page;
  return NoPage;
}

int TTableOfContents::Overview(int Page) const {
  for (TTocNodeId P = NodeOfPage(Page).Parent; P != NoNode; P = Node(P).Parent)
    if (Node(P).Page >= 0) return Node(P).Page;
  return NoPage;
}

int TTableOfContents::Chapter(int Page) const { return NodeOfPage(Page).Page / 100; }

std::string TTableOfContents::Path(int Page) const {
  std::vector<TTocNodeId> Chain;
  for (TTocNodeId Id = NodeOf(Page); Id != NoNode; Id = Node(Id).Parent) Chain.push_back(Id);
  std::string Result;
  for (auto It = Chain.rbegin(); It != Chain.rend(); ++It) {
    if (It != Chain.rbegin()) Result += '/';
    Result += Node(*It).Title;
  }
  return Result;
}

std::string TTableOfContents::ShortPath(int Page) const { return ShortPathOfNode(NodeOf(Page)); }

std::string TTableOfContents::ShortPathOfNode(TTocNodeId Id) const {
  const TTocNode& N = Node(Id);
  if (N.Parent == NoNode) return N.Title;
  const TTocNode& P = Node(N.Parent);
  return (P.Parent != NoNode ? ".../" : "") + P.Title + "/" + N.Title;
}

TPageGroup TTableOfContents::Group(int Page) const {
  const TTocNodeId Id = NodeOf(Page);
  const TTocNodeId Parent = Node(Id).Parent;
  TPageGroup G;
  if (Parent == NoNode) {
    G.Items.push_back({Path(Page), NoPage});
    return G;
  }
  const auto& Siblings = Node(Parent).Children;
  for (size_t I = 0; I < Siblings.size(); ++I) {
    // From the sibling node itself, so that two nodes sharing a number
    // still show their own titles.
    G.Items.push_back({ShortPathOfNode(Siblings[I]), Node(Siblings[I]).Page});
    if (Siblings[I] == Id) G.Index = static_cast<int>(I);
  }
  return G;
}

int TTableOfContents::FirstPage() {
  for (FWalk = 0; FWalk < NodeCount(); ++FWalk)
    if (PageAt(FWalk) >= 0) return PageAt(FWalk);
  return NoPage;
}

int TTableOfContents::NextPage() {
  if (FWalk >= NodeCount()) return NoPage;
  for (++FWalk; FWalk < NodeCount(); ++FWalk)
    if (PageAt(FWalk) >= 1) return PageAt(FWalk);
  return NoPage;
}

std::vector<int> TTableOfContents::WalkPages() const {
  std::vector<int> Pages;
  int Pos = 0;
  while (Pos < NodeCount() && PageAt(Pos) < 0) ++Pos;
  if (Pos < NodeCount()) Pages.push_back(PageAt(Pos));
  for (++Pos; Pos < NodeCount(); ++Pos)
    if (PageAt(Pos) >= 1) Pages.push_back(PageAt(Pos));
  return Pages;
}

std::string TTableOfContents::ToIndentedText() const {
  std::string Text;
  for (TTocNodeId Id : FOrder) {
    Text.append(static_cast<size_t>(Depth(Id)), '\t');
    Text += Node(Id).Title;
    Text += "\r\n";
  }
  return Text;
}
