#include "terms/TermControls.h"

#include "platform/ComponentRegistry.h"
#include "terms/MMTerm.h"

void RegisterTermControls() { TComponentRegistry::Instance().RegisterClass<TMMTerm>(); }
