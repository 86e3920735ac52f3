#pragma once
// The windows the course opens at start-up and keeps for the whole run: the
// main window and the term input window that pages show modally (made right
// after the start page is first painted). The program and the start-up
// benchmark open them the same way.
#include <memory>

class TfmFncInput;
class TfmMain;

class TCourseWindows {
 public:
  // Makes both windows; the main window is not shown yet.
  TCourseWindows();
  ~TCourseWindows();
  TCourseWindows(const TCourseWindows&) = delete;
  TCourseWindows& operator=(const TCourseWindows&) = delete;

  TfmMain& Main() const { return *FMain; }

 private:
  std::unique_ptr<TfmMain> FMain;
  std::unique_ptr<TfmFncInput> FFncInput;
};
