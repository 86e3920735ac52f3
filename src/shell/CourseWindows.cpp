#include "shell/CourseWindows.h"

#include "shell/Main.h"
#include "terms/FncInput.h"

TCourseWindows::TCourseWindows()
    : FMain(std::make_unique<TfmMain>()), FFncInput(CreateForm<TfmFncInput>()) {}

TCourseWindows::~TCourseWindows() = default;
