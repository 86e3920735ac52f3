#include "shell/CourseWindows.h"

#include "shell/Main.h"
#include "shell/Pages.h"
#include "terms/FncInput.h"

TCourseWindows::TCourseWindows() : FMain(std::make_unique<TfmMain>()) {
  // The page overview is made now, hidden, and kept for the whole run.
  FMain->PagesWindow();
  FFncInput = CreateForm<TfmFncInput>();
}

TCourseWindows::~TCourseWindows() = default;
