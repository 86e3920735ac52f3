#include "pages/interpretieren/InterpretierenPages.h"

#include "pages/interpretieren/INBewegung.h"
#include "pages/interpretieren/INfarben.h"
#include "platform/ComponentRegistry.h"

void RegisterInterpretierenPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmINBewegung>();
  R.RegisterForm<TfmINfarben>();
}
