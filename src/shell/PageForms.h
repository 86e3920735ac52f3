#pragma once
// The page forms the program is built with, made by class name.
#include "shell/MMX.h"

// Makes the page form of a class with its design loaded; null for a class
// the program does not have.
TPageFactory DesignedPageFactory();
