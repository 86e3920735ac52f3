#include "pages/interpretieren/InterpretierenPages.h"

#include "platform/ComponentRegistry.h"

void RegisterInterpretierenPages() {}
