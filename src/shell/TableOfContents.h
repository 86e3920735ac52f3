#pragma once
// The course's table of contents: a tree of titled nodes, each carrying a
// page number (-1 for a node without a page). Depth-first order, parent
// before children, is the course order.
//
// Every query that starts from a page number first finds the node carrying
// that number (the first one in course order) and throws EPageNotFound when
// no node carries it.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

// "Seite 123 konnte nicht gefunden werden!"
class EPageNotFound : public std::runtime_error {
 public:
  explicit EPageNotFound(int Page);
  int Page() const { return FPage; }

 private:
  int FPage;
};

// Node handles are indices into the tree's node list; -1 means "no node".
using TTocNodeId = int;
constexpr TTocNodeId NoNode = -1;

// A page number for "no page" / "no target".
constexpr int NoPage = -1;

struct TTocNode {
  std::string Title;
  int Page = NoPage;
  TTocNodeId Parent = NoNode;
  std::vector<TTocNodeId> Children;  // in course order
};

// One line of the page combo: the page's short path and its number.
struct TPageGroupItem {
  std::string Text;
  int Page = NoPage;  // NoPage for the root's single line
  friend bool operator==(const TPageGroupItem&, const TPageGroupItem&) = default;
};

// The pages beside a page (its parent's children) and the page's index
// among them. The root, having no parent, forms a group of its own: one
// item with its path and no page number.
struct TPageGroup {
  std::vector<TPageGroupItem> Items;
  int Index = 0;
};

class TTableOfContents {
 public:
  TTableOfContents() = default;

  // Adds a node as the last child of Parent (NoNode for the root; a tree
  // has at most one root, a second one throws std::logic_error).
  TTocNodeId Add(TTocNodeId Parent, std::string Title, int Page);

  bool Empty() const { return FNodes.empty(); }
  int NodeCount() const { return static_cast<int>(FNodes.size()); }
  TTocNodeId Root() const { return FNodes.empty() ? NoNode : 0; }
  const TTocNode& Node(TTocNodeId Id) const { return FNodes.at(static_cast<size_t>(Id)); }
  // Depth of a node: 0 for the root.
  int Depth(TTocNodeId Id) const;
  // All nodes in course order (depth first, parent before children).
  const std::vector<TTocNodeId>& CourseOrder() const { return FOrder; }

  // The first node in course order carrying Page; NoNode when none does.
  TTocNodeId FindNode(int Page) const;
  // Like FindNode, but throws EPageNotFound when no node carries Page.
  TTocNodeId NodeOf(int Page) const;
  bool Contains(int Page) const { return FindNode(Page) != NoNode; }

  // Navigation targets of a page; NoPage when there is none.
  // First child of the parent; NoPage without parent or when that is Page itself.
  int First(int Page) const;
  // The sibling before the node; NoPage for a first child or the root.
  int Previous(int Page) const;
  // The nearest ancestor with a page number of 0 or more; NoPage if none.
  int Overview(int Page) const;
  // The sibling after the node; NoPage for a last child or the root.
  int Next(int Page) const;
  // Last child of the parent; NoPage without parent or when that is Page itself.
  int Last(int Page) const;

  // The node's page number div 100.
  int Chapter(int Page) const;
  // Titles from the root down to the node, joined by "/":
  // "Velotra/Rechenvorschriften/Bremsweg".
  std::string Path(int Page) const;
  // The title, preceded by the parent's title and "/", and by ".../" when
  // the parent has a parent itself: ".../Rechenvorschriften/Bremsweg",
  // "Velotra/Rechenvorschriften", "Velotra".
  std::string ShortPath(int Page) const;
  // The page's siblings (itself included) as short paths with numbers.
  TPageGroup Group(int Page) const;

  // Walk through the course order with a remembered position.
  // FirstPage: the first node with a page number of 0 or more; the walk
  // then stands there. NoPage (and the walk is at its end) when none has.
  int FirstPage();
  // The next node after the position with a page number of 1 or more; the
  // walk moves there. NoPage at the end of the tree. Before any FirstPage
  // the walk starts in front of the root.
  int NextPage();

  // What the walk yields from FirstPage to its end, without moving it.
  std::vector<int> WalkPages() const;

  // The tree as text: per node in course order as many tabs as its depth,
  // its title and CR LF. Page numbers are not written.
  std::string ToIndentedText() const;

 private:
  const TTocNode& NodeOfPage(int Page) const { return Node(NodeOf(Page)); }
  std::string ShortPathOfNode(TTocNodeId Id) const;
  int PageAt(int OrderPos) const { return Node(FOrder[static_cast<size_t>(OrderPos)]).Page; }
  void RebuildOrder();

  std::vector<TTocNode> FNodes;
  std::vector<TTocNodeId> FOrder;
  int FWalk = -1;  // position in FOrder of the page walk, -1 before the root
};

// The table of contents the course ships with: 42 nodes under "Velotra".
TTableOfContents ShippedTableOfContents();
