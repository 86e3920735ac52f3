#include "shell/ShellClasses.h"

#include "platform/ComponentRegistry.h"
#include "shell/Base.h"
#include "shell/Nachricht.h"

void RegisterShellClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmBase>();
  R.RegisterForm<TfmNachricht>();
}
