#include "pages/aufstellen/AufstellenPages.h"

#include "pages/aufstellen/AUTermDialog.h"
#include "platform/ComponentRegistry.h"

void RegisterAufstellenPages() { TComponentRegistry::Instance().RegisterForm<TfmAUTermDialog>(); }
