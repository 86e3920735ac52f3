#include "pages/aufgaben/AufgabenPages.h"

#include "pages/aufgaben/TAVavorever.h"
#include "platform/ComponentRegistry.h"

void RegisterAufgabenPages() { TComponentRegistry::Instance().RegisterForm<TfmTAVavorever>(); }
