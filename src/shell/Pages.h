#pragma once
// The page overview "Wo bin ich?": the course's table of contents as a
// fully expanded tree, one picture for the chapter level, one for pages and
// one for the chosen node. The main window makes it once, right after its
// first painting, and keeps it, so its selection and expansion stay from
// one opening to the next. " &Gehe zu" (or a double click, or Enter) closes
// it and then asks for the chosen page; "&exportieren..." writes the tree as
// indented text.
#include <QImage>
#include <QList>

#include "platform/Forms.h"

class TMMButton;
class TSaveDialog;
class TTreeNode;
class TTreeView;

class TfmPages : public TForm {
  Q_OBJECT
 public:
  explicit TfmPages(QWidget* Parent = nullptr);
  ~TfmPages() override;

  TTreeView* TreeView1() const;
  TMMButton* MMButton1() const;
  TMMButton* MMButton2() const;
  TSaveDialog* SaveDialog1() const;

  // Chooses the node of Page (nothing when the tree has none).
  void SelectPage(int Page);
  // The node carrying Page, or null.
  TTreeNode* NodeOfPage(int Page) const;

  // The three node pictures: chapter level, page, chosen node.
  static QList<QImage> NodePictures();

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void TreeView1Changing(QObject* Sender, TTreeNode* Node, bool& AllowChange);
  void GotoClick(QObject* Sender);
  void MMButton1Click(QObject* Sender);
};
