#include "pages/faktorisieren/FAZF.h"
