#include "scene/MMBoxRegister.h"

#include "platform/ComponentRegistry.h"
#include "scene/MMBox.h"

namespace {

// Identifiers 0, 1, 2, ... as the core names them.
template <class E>
TIdentConverter Idents(int Count, const char* (*ToIdent)(E)) {
  TIdentConverter Result;
  for (int I = 0; I < Count; ++I)
    Result.Entries.append({QString::fromLatin1(ToIdent(static_cast<E>(I))), static_cast<qint64>(I)});
  return Result;
}

}  // namespace

void RegisterSceneBoxClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TMMBox>();

  R.RegisterEvent("OnCanvasPaint", &TMMBox::OnCanvasPaint);
  R.RegisterEvent("OnMouseDown", &TMMBox::OnMouseDown);
  R.RegisterEvent("OnMouseMove", &TMMBox::OnMouseMove);
  R.RegisterEvent("OnMouseUp", &TMMBox::OnMouseUp);
  R.RegisterEvent("OnClick", &TMMObject::OnClick);
  R.RegisterEvent("OnTryToDrag", &TMMPointItem::OnTryToDrag);
  R.RegisterEvent("OnDragging", &TMMPointItem::OnDragging);
  R.RegisterEvent("OnChanging", &TMMPointItem::OnChanging);

  R.RegisterIdents<TMMPointItem>("FixType", Idents<TFixType>(FixTypeCount, FixTypeToIdent));
  R.RegisterIdents<TMMObject>("Shape", Idents<TShapeType>(ShapeTypeCount, ShapeTypeToIdent));
  const TIdentConverter LineEnds = Idents<TLineEnd>(leThinArrow + 1, LineEndToIdent);
  R.RegisterIdents<TSLine>("LineEnd1", LineEnds);
  R.RegisterIdents<TSLine>("LineEnd2", LineEnds);
  R.RegisterIdents<TSMarker>("Kind", Idents<TMarkerType>(mtCircle + 1, MarkerTypeToIdent));
  R.RegisterIdents<TSForm>("Kind", Idents<TFormKind>(sfTacho + 1, FormKindToIdent));
}
