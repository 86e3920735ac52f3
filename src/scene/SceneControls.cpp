#include "scene/SceneControls.h"

#include "platform/ComponentRegistry.h"
#include "scene/MMButton.h"
#include "scene/MMCombo.h"
#include "scene/PCVGlass.h"
#include "scene/PCPanel.h"
#include "scene/SceneAccessibles.h"

void RegisterSceneControls() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TMMButton>();
  R.RegisterClass<TMMCombo>();
  R.RegisterClass<TPCPanel>();
  R.RegisterClass<TPCShape>();
  R.RegisterClass<TPCVGlass>();
  R.RegisterClass<TPCVGlassButton>();
  RegisterSceneAccessibles();

  R.RegisterEvent("OnMouseDown", &TMMButton::OnMouseDown);
  R.RegisterEvent("OnMouseMove", &TMMButton::OnMouseMove);
  R.RegisterEvent("OnMouseUp", &TMMButton::OnMouseUp);
  R.RegisterEvent("OnBackgroundPaint", &TPCPanel::OnBackgroundPaint);
  R.RegisterEvent("OnPaint", &TPCPanel::OnPaint);

  R.RegisterEnum<TMMButtonKind>({{"mmFree", mmFree},
                                 {"mmStart", mmStart},
                                 {"mmReset", mmReset},
                                 {"mmStop", mmStop},
                                 {"mmForce", mmForce},
                                 {"mmFixed", mmFixed},
                                 {"mmCheck", mmCheck},
                                 {"mmExamine", mmExamine},
                                 {"mmLock", mmLock},
                                 {"mmAnimate", mmAnimate},
                                 {"mmUnlock", mmUnlock},
                                 {"mmHint", mmHint},
                                 {"mmStep", mmStep},
                                 {"mmNew", mmNew}});
  R.RegisterEnum<TPCBackgroundMode>({{"bmMonochrom", bmMonochrom},
                                     {"bmVFloat", bmVFloat},
                                     {"bmHFloat", bmHFloat},
                                     {"bmStretchImage", bmStretchImage},
                                     {"bmFillImage", bmFillImage},
                                     {"bmSymmFillImage", bmSymmFillImage}});
  R.RegisterEnum<TPCShapeForm>({{"sfRectangle", sfRectangle}, {"sfEllipse", sfEllipse}});
}
