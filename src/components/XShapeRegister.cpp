#include "components/XShapeRegister.h"

#include "components/XShapes.h"
#include "platform/ComponentRegistry.h"

namespace {
template <class E>
void RegisterIdentsOf(TComponentRegistry& R, int Count, const char* (*ToIdent)(E)) {
  TIdentConverter Idents;
  for (int I = 0; I < Count; ++I)
    Idents.Entries.append({QString::fromLatin1(ToIdent(static_cast<E>(I))), I});
  R.RegisterTypeIdents(QMetaType::fromType<E>().name(), std::move(Idents));
}
}  // namespace

void RegisterXShapeClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TXShape>();
  R.RegisterClass<TBeam>();
  R.RegisterClass<TXPolygon>();

  R.RegisterEvent("OnDblClick", &TXGraphicControl::OnDblClick);
  R.RegisterEvent("OnMouseDown", &TBeam::OnMouseDown);
  R.RegisterEvent("OnMouseMove", &TBeam::OnMouseMove);
  R.RegisterEvent("OnMouseUp", &TBeam::OnMouseUp);

  RegisterIdentsOf<TShapeForm>(R, ShapeFormCount, &ShapeFormToIdent);
  RegisterIdentsOf<TXPolygonKind>(R, XPolygonKindCount, &XPolygonKindToIdent);
  R.RegisterIdents<TXShape>("Color2", ColorIdents());
  // The points are stored in their binary form ("FPoints") only.
  R.RegisterNotStored<TXPolygon>("Points");
}
