#include "shell/CourseWindows.h"

#include "shell/Main.h"
#include "terms/FncInput.h"

TCourseWindows::TCourseWindows() : FMain(std::make_unique<TfmMain>()) {
  // No page asks for a term before the pupil has seen the start page.
  FMain->AfterFirstPaint([this] { FFncInput = CreateForm<TfmFncInput>(); });
}

TCourseWindows::~TCourseWindows() = default;
