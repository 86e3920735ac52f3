#pragma once
// The page forms the program is built with, made by class name.
#include "shell/MMX.h"

// Makes the page form of a class registered as a form with the component
// registry, with its design loaded (its creation handler has run); null for
// a class the program does not have. A design that cannot be loaded throws
// EFormError.
TPageFactory DesignedPageFactory();
