#pragma once
// The history window: every page visited, in the order of the visits (going
// back moves through the list without shortening it), each as its path.
// " &Gehe zu", a double click or Enter closes it and then asks for the
// chosen page. Made anew for every opening.
#include "platform/Forms.h"

class TListBox;
class TMMButton;

class TfmHistory : public TForm {
  Q_OBJECT
 public:
  explicit TfmHistory(QWidget* Parent = nullptr);
  ~TfmHistory() override;

  TListBox* ListBox2() const;
  TMMButton* MMButton2() const;

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void MMButton2Click(QObject* Sender);
};
