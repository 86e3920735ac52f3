#include "pages/rechenvorschriften/RVZF.h"
