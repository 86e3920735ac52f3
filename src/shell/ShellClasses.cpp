#include "shell/ShellClasses.h"

#include "platform/ComponentRegistry.h"
#include "shell/About.h"
#include "shell/Base.h"
#include "shell/ChapterStart.h"
#include "shell/HistoryWindow.h"
#include "shell/Nachricht.h"
#include "shell/Pages.h"
#include "shell/ShellAccessibles.h"
#include "shell/Startseite.h"
#include "shell/Statistik.h"
#include "shell/Stichwort.h"
#include "shell/Wait.h"

void RegisterShellClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmAbout>();
  R.RegisterForm<TfmBase>();
  R.RegisterForm<TfmChapterStart>();
  R.RegisterForm<TfmNachricht>();
  R.RegisterForm<TfmStartseite>();
  R.RegisterForm<TfmPages>();
  R.RegisterForm<TfmHistory>();
  R.RegisterForm<TfmStichwort>();
  R.RegisterForm<TfmStatistik>();
  R.RegisterForm<TfmWait>();
  RegisterShellAccessibles();
}
