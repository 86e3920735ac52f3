#pragma once
// The red frame around an answer control that a check reported wrong. It
// lies over the control's edge, lets every click through, and goes away as
// soon as the pupil changes the answer (or at the next check).
#include <QWidget>

class TControl;

class TAnswerMark : public QWidget {
  Q_OBJECT
 public:
  // Frames Control (a term box, list or field) until its value changes; a
  // control framed already keeps its one frame.
  static void Mark(TControl* Control);
  // Removes Control's frame, if it has one.
  static void Unmark(TControl* Control);
  // Whether Control wears a frame now.
  static bool IsMarked(const TControl* Control);

 protected:
  void paintEvent(QPaintEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  explicit TAnswerMark(TControl* Control);
};
