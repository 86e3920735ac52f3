#include "pages/rechenvorschriften/RVZF2.h"
