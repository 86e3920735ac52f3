#include "shell/ShellClasses.h"

#include "platform/ComponentRegistry.h"
#include "shell/Base.h"
#include "shell/ChapterStart.h"
#include "shell/Nachricht.h"
#include "shell/Startseite.h"

void RegisterShellClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmBase>();
  R.RegisterForm<TfmChapterStart>();
  R.RegisterForm<TfmNachricht>();
  R.RegisterForm<TfmStartseite>();
}
