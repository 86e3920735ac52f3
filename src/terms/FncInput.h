#pragma once
// TfmFncInput: the window in which the pupil types a term. The preview
// above the field shows the term in mathematical layout while it is typed;
// a row of buttons puts brackets, operators and the power sign in place of
// the selection; "C" and the Delete key clear the field, Enter is OK,
// Escape Cancel. The window opens beside the term box it was asked for, so
// the pupil still sees the box and what stands around it.
//
// The program creates the window once, right after its start page has
// first been painted, and keeps it; pages ask for a term through AskForTerm
// (terms/TermInput.h), which makes a window of its own while there is none.
#include <QRect>
#include <memory>
#include <optional>

#include "platform/Forms.h"
#include "terms/TermInput.h"
#include "terms/Terms.h"

class TBitBtn;
class TCanvas;
class TEdit;
class TLabel;
class TMMButton;
class TPaintBox;

class TfmFncInput : public TForm {
  Q_OBJECT
 public:
  explicit TfmFncInput(QWidget* Parent = nullptr);
  ~TfmFncInput() override;

  // The program's input window: the first one created that still exists.
  static TfmFncInput* Instance();

  // Shows the window modally, beside Beside when given (a term box), the
  // field holding Initial with the cursor at its end; the field's text when
  // it closes with OK. OK closes only on an empty field (the pupil clears
  // the box on purpose) or a readable term; otherwise the window stays
  // open and says under the field what is wrong.
  TTermInput Execute(const QWidget* Beside = nullptr, const QString& Initial = {});

  // The term of the preview: the parsed text of the field, "?" while the
  // field is empty or holds no term.
  const TTerm& Term() const { return *FTerm; }
  // Draws the preview's term on Canvas in the preview's font and place. A
  // term too large for the preview is drawn smaller, down to
  // MinPreviewPoints; beyond that the preview shows its right end, where
  // the pupil types.
  void DrawPreview(TCanvas& Canvas) const;
  static constexpr int PreviewPoints = 10;
  static constexpr int MinPreviewPoints = 7;

  TEdit* Edit1() const;
  TPaintBox* PaintBox1() const;
  TBitBtn* BitBtn1() const;
  TBitBtn* BitBtn2() const;
  // The line under the field that says why OK did not close the window.
  TLabel* LabelProblem() const;
  // Input button N (1 ... 10).
  TMMButton* MMButton(int N) const;

 public slots:
  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void Edit1Change(QObject* Sender);
  void BitBtn1Click(QObject* Sender);
  void PaintBox1Paint(QObject* Sender);
  // Shared by the ten input buttons: Sender's text replaces the selection.
  void MMButton1Click(QObject* Sender);

 private:
  // Repaints the preview and tells screen readers its term.
  void ShowPreviewTerm();

  std::unique_ptr<TTerm> FTerm;
  // The term box of the current showing, in screen coordinates.
  std::optional<QRect> FBeside;
  // The field's text when the window opens.
  QString FInitial;
};

// Where a window of size Window (frame included) goes beside a term box
// Box on a screen whose free area is Screen: below the box, or above it,
// right of it or left of it, whichever side has room first, always on the
// screen and never over the box. Only when no side has room for the whole
// window does it go where it covers the least of the box.
QPoint PlaceBesideBox(const QRect& Box, const QSize& Window, const QRect& Screen);
