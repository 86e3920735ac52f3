#pragma once
// The first page of a chapter: the chapter's picture over the whole page
// and its title on a light glass band. The page finds its chapter from the
// course object's current page when it is created.
#include "platform/Forms.h"

class TImage;
class TPCPanel;
class TPCShape;

class TfmChapterStart : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  TPCPanel* PCPanel1() const;
  TPCShape* PCShape1() const;
  // Index 1 ... 7: the hidden pictures the backgrounds come from.
  TImage* Image(int Index) const;

 public slots:
  // Fills the hidden picture of the current page's chapter from the
  // program's pictures (the others stay empty), then sets the background
  // and the title.
  void FormCreate(QObject* Sender);
};
