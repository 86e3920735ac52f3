#include "platform/PlatformClasses.h"

#include "platform/BitBtn.h"
#include "platform/ComponentRegistry.h"
#include "platform/Edit.h"
#include "platform/Forms.h"
#include "platform/Image.h"
#include "platform/ListBox.h"
#include "platform/MaskEdit.h"
#include "platform/PaintBox.h"
#include "platform/PlatformAccessibles.h"
#include "platform/SaveDialog.h"
#include "platform/ScrollBox.h"
#include "platform/StdControls.h"
#include "platform/StringGrid.h"
#include "platform/Timer.h"
#include "platform/TreeView.h"
#include "platform/UpDown.h"

void RegisterPlatformClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TForm>();
  R.RegisterClass<TPanel>();
  R.RegisterClass<TLabel>();
  R.RegisterClass<TImage>();
  R.RegisterClass<TTimer>();
  R.RegisterClass<TEdit>();
  R.RegisterClass<TBitBtn>();
  R.RegisterClass<TPaintBox>();
  R.RegisterClass<TStringGrid>();
  R.RegisterClass<TListBox>();
  R.RegisterClass<TTreeView>();
  R.RegisterClass<TScrollBox>();
  R.RegisterClass<TSaveDialog>();
  R.RegisterClass<TUpDown>();
  R.RegisterClass<TMaskEdit>();

  // Size follows Height; storing both could round Height on reading.
  R.RegisterNotStored<TFont>("Size");

  R.RegisterEvent("OnClick", &TControl::OnClick);
  R.RegisterEvent("OnCreate", &TCustomForm::OnCreate);
  R.RegisterEvent("OnShow", &TCustomForm::OnShow);
  R.RegisterEvent("OnTimer", &TTimer::OnTimer);
  R.RegisterEvent("OnKeyDown", &TCustomForm::OnKeyDown);
  R.RegisterEvent("OnChange", &TEdit::OnChange);
  R.RegisterEvent("OnChange", &TUpDown::OnChange);
  R.RegisterEvent("OnChange", &TMaskEdit::OnChange);
  R.RegisterEvent("OnPaint", &TPaintBox::OnPaint);
  R.RegisterEvent("OnDblClick", &TListBox::OnDblClick);
  R.RegisterEvent("OnDblClick", &TTreeView::OnDblClick);
  R.RegisterEvent("OnChanging", &TTreeView::OnChanging);

  R.RegisterEnum<TAlign>(
      {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft}, {"alRight", alRight},
       {"alClient", alClient}});
  R.RegisterEnum<TAlignment>({{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
  R.RegisterEnum<TBevelCut>({{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}});
  R.RegisterEnum<TPosition>({{"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter}});
  R.RegisterEnum<TBitBtnKind>({{"bkCustom", bkCustom}, {"bkOK", bkOK}, {"bkCancel", bkCancel}});
  R.RegisterEnum<TTextLayout>({{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});

  R.RegisterIdents<TControl>(
      "Cursor", IdentTable({{"crDefault", crDefault},     {"crNone", crNone},         {"crArrow", crArrow},
                            {"crCross", crCross},         {"crIBeam", crIBeam},       {"crSizeNESW", crSizeNESW},
                            {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},
                            {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
                            {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},     {"crVSplit", crVSplit},
                            {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},   {"crNo", crNo},
                            {"crAppStart", crAppStart},   {"crHelp", crHelp},         {"crHandPoint", crHandPoint},
                            {"crSizeAll", crSizeAll}}));
  RegisterPlatformAccessibles();

  R.RegisterIdents<TFont>(
      "Style", SetTable({{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}}));
}
