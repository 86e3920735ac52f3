#include "components/ComponentClasses.h"

#include "components/ComponentAccessibles.h"
#include "components/GIFGraphic.h"
#include "components/GIFImage.h"
#include "components/MyHtml.h"
#include "components/RRGrid.h"
#include "components/TimerEx.h"
#include "components/XShapeRegister.h"
#include "platform/ComponentRegistry.h"

void RegisterComponentClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TTimerEx>();
  R.RegisterEvent(&TTimerEx::staticMetaObject, "OnTimer",
                  [](QObject* Object) -> TEventBase* { return &static_cast<TTimerEx*>(Object)->OnTimer; });

  R.RegisterClass<TGIFImage>();
  R.RegisterEvent("OnChanging", &TGIFImage::OnChanging);
  R.RegisterEvent("OnChange", &TGIFImage::OnChange);
  R.RegisterEvent("OnProgress", &TGIFImage::OnProgress);
  R.RegisterEvent("OnWrapAnimation", &TGIFImage::OnWrapAnimation);
  RegisterGIFGraphic();
  RegisterXShapeClasses();
  RegisterMyHtmlClasses();
  RegisterRRGridClasses();
  RegisterComponentAccessibles();
}
