#include "pages/PageClasses.h"

#include "components/ComponentClasses.h"

#include "pages/aequivalenz/AequivalenzPages.h"
#include "pages/aufgaben/AufgabenPages.h"
#include "pages/aufstellen/AufstellenPages.h"
#include "pages/binomische/BinomialGamePages.h"
#include "pages/faktorisieren/FactoringGamePages.h"
#include "pages/interpretieren/InterpretierenPages.h"
#include "pages/multiplikation/MultiplikationPages.h"
#include "pages/rechenvorschriften/RechenvorschriftenPages.h"
#include "platform/PlatformClasses.h"
#include "scene/SceneControls.h"
#include "scene/MMBoxRegister.h"
#include "shell/ShellClasses.h"
#include "terms/TermControls.h"

// Each chapter folder registers its own page forms.
void RegisterPageClasses() {
  RegisterRechenvorschriftenPages();
  RegisterAufstellenPages();
  RegisterInterpretierenPages();
  RegisterAequivalenzPages();
  RegisterMultiplikationPages();
  RegisterBinomialGamePages();
  RegisterFactoringGamePages();
  RegisterAufgabenPages();
}

void RegisterProgramClasses() {
  RegisterPlatformClasses();
  RegisterComponentClasses();
  RegisterSceneControls();
  RegisterTermControls();
  RegisterSceneBoxClasses();
  RegisterShellClasses();
  RegisterPageClasses();
}
