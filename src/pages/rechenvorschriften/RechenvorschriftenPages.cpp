#include "pages/rechenvorschriften/RechenvorschriftenPages.h"

#include "platform/ComponentRegistry.h"

void RegisterRechenvorschriftenPages() {}
