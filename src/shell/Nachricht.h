#pragma once
// The message window: a speaking figure with one message on a gradient,
// shown modally; Enter or Escape closes it.
#include <QString>

#include "platform/Dialogs.h"
#include "platform/Forms.h"

class TGIFImage;
class TLabel;
class TMiniHTML;
class TMMBox;
class TMMButton;

class TfmNachricht : public TForm {
  Q_OBJECT
 public:
  explicit TfmNachricht(QWidget* Parent = nullptr);
  ~TfmNachricht() override;

  // Creates the window, shows Text under Caption until the pupil closes it,
  // and frees the window again.
  static void Execute(const QString& Caption, const QString& Text, const QString& Tip = {});

  // Puts Text into the text control in the layout its length asks for and
  // sets the window's caption; a tip goes in a line of its own under the
  // text ("Tipp: ..."), no tip hides that line.
  void SetMessage(const QString& Caption, const QString& Text, const QString& Tip = {});
  // Shows the window modally, centred on the desktop, the figure moving
  // only meanwhile; returns how it was closed.
  TModalResult ShowModal();
  bool Showing() const { return Modal(); }

  TMiniHTML* MiniHTML1() const;
  TLabel* LabelTip() const;
  TGIFImage* GIFImage6() const;
  TMMButton* MMButton1() const;
  TMMBox* MMBox1() const;

 public slots:
  // The figure comes from the program's pictures.
  void FormCreate(QObject* Sender);
  // The OK button closes the window with mrOk.
  void MMButton1Click(QObject* Sender);

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
  // The OK button takes the focus, and screen readers are told that a
  // message has come up.
  void showEvent(QShowEvent* Event) override;
};
