#include "pages/aequivalenz/AEZF.h"
