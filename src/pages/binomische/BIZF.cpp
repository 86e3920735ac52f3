#include "pages/binomische/BIZF.h"
