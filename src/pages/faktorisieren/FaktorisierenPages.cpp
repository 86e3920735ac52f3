#include "pages/faktorisieren/FaktorisierenPages.h"

#include "pages/faktorisieren/FADefinition.h"
#include "pages/faktorisieren/FAEinfuhrung.h"
#include "pages/faktorisieren/FAGliederung.h"
#include "pages/faktorisieren/FAZF.h"
#include "platform/ComponentRegistry.h"

void RegisterFaktorisierenPages() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterForm<TfmFAEinfuhrung>();
  R.RegisterForm<TfmFAGliederung>();
  R.RegisterForm<TfmFADefinition>();
  R.RegisterForm<TfmFAZF>();
}
