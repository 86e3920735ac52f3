#include "pages/PageClasses.h"

// Each chapter folder registers its own page forms.
void RegisterPageClasses() {}
