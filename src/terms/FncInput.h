#pragma once
// TfmFncInput: the window in which the pupil types a term. The preview
// above the field shows the term in mathematical layout while it is typed;
// a row of buttons puts brackets, operators and the power sign in place of
// the selection. Delete clears the field, Enter is OK, Escape Cancel.
//
// The program creates the window once at start-up and keeps it; pages ask
// for a term through AskForTerm (terms/TermInput.h).
#include <memory>

#include "platform/Forms.h"
#include "terms/TermInput.h"
#include "terms/Terms.h"

class TBitBtn;
class TCanvas;
class TEdit;
class TMMButton;
class TPaintBox;

class TfmFncInput : public TForm {
  Q_OBJECT
 public:
  explicit TfmFncInput(QWidget* Parent = nullptr);
  ~TfmFncInput() override;

  // The program's input window: the first one created that still exists.
  static TfmFncInput* Instance();

  // Shows the window modally; the field's text when it closes with OK.
  TTermInput Execute();

  // The term of the preview: the parsed text of the field, or the
  // placeholder (one character 127) until something is typed.
  const TTerm& Term() const { return *FTerm; }
  // Draws the preview's term on Canvas in the preview's font and place.
  void DrawPreview(TCanvas& Canvas) const;

  TEdit* Edit1() const;
  TPaintBox* PaintBox1() const;
  TBitBtn* BitBtn1() const;
  TBitBtn* BitBtn2() const;
  // Input button N (1 ... 10).
  TMMButton* MMButton(int N) const;

 public slots:
  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void Edit1Change(QObject* Sender);
  void PaintBox1Paint(QObject* Sender);
  // Shared by the ten input buttons: Sender's text replaces the selection.
  void MMButton1Click(QObject* Sender);

 private:
  std::unique_ptr<TTerm> FTerm;
};
