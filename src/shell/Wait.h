#pragma once
// The small borderless window "Applikation wird gestartet..." shown while
// the course starts one of its programs.
#include "platform/Forms.h"

class TfmWait : public TForm {
  Q_OBJECT
 public:
  explicit TfmWait(QWidget* Parent = nullptr);
  ~TfmWait() override;

  // Shows the window centred on the screen and lets it paint.
  void ShowWaiting();
};
