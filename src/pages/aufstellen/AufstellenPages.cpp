#include "pages/aufstellen/AufstellenPages.h"

#include "pages/aufstellen/AUAlgorithmen.h"
#include "pages/aufstellen/AUGeometrie.h"
#include "pages/aufstellen/AUKombinatorik.h"
#include "pages/aufstellen/AUTabellen.h"
#include "pages/aufstellen/AUTermDialog.h"
#include "pages/aufstellen/AUWortform.h"
#include "pages/aufstellen/AUZF.h"
#include "platform/ComponentRegistry.h"

void RegisterAufstellenPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmAUTermDialog>();
  R.RegisterForm<TfmAUWortform>();
  R.RegisterForm<TfmAUAlgorithmen>();
  R.RegisterForm<TfmAUTabellen>();
  R.RegisterForm<TfmAUKombinatorik>();
  R.RegisterForm<TfmAUGeometrie>();
  R.RegisterForm<TfmAUZF>();
}
