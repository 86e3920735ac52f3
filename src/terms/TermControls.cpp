#include "terms/TermControls.h"

#include "platform/ComponentRegistry.h"
#include "terms/FncInput.h"
#include "terms/MMTerm.h"
#include "terms/MMTermAccessible.h"

void RegisterTermControls() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TMMTerm>();
  R.RegisterForm<TfmFncInput>();
  RegisterAccessible<TMMTerm, TMMTermAccessible>();
}
