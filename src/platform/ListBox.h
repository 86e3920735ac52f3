#pragma once
// TListBox: a list of text lines, each carrying a number (a page, an index).
// With Sorted, every line added goes to its place in German dictionary
// order. OnClick follows every change of the chosen line by the pupil
// (mouse or keyboard); OnDblClick follows a double click on a line.
#include <QString>

#include "platform/Controls.h"

class QListWidget;

class TListBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
 public:
  explicit TListBox(QWidget* Parent = nullptr);
  ~TListBox() override;

  TNotifyEvent OnDblClick;

  bool Sorted() const { return FSorted; }
  // Sorts the lines there are and keeps later ones sorted.
  void SetSorted(bool Value);
  // Pixels per line; 0 follows the font.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);

  // Adds a line (at its sorted place when Sorted) and returns its index.
  int AddItem(const QString& Text, int Data = 0);
  void Clear();
  int Count() const;
  QString Item(int Index) const;
  int ItemData(int Index) const;
  // The chosen line; -1 for none. Setting it from code raises no event.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  // The index of the line with exactly this text; -1 when there is none.
  int IndexOf(const QString& Text) const;

  void SetFocus();
  // The text beside the list, else "Liste N".
  QString FieldName() const override;
  // The Qt list inside, for the keyboard and for tests.
  QListWidget* ListWidget() const { return FList; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  QListWidget* FList;  // child
  bool FSorted = false;
  int FItemHeight = 0;
  bool FSetting = false;
};

// German dictionary order of texts: case and umlauts folded, ties broken by
// the exact text.
bool GermanTextLess(const QString& A, const QString& B);
