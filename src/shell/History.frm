object fmHistory: TfmHistory
  Caption = 'History'
  ClientWidth = 715
  ClientHeight = 383
  Font.Name = 'Tahoma'
  Font.Height = -13
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object ListBox2: TListBox
    Align = alLeft
    Width = 545
    OnDblClick = MMButton2Click
  end
  object MMButton2: TMMButton
    Left = 553
    Top = 4
    Width = 149
    Height = 30
    Caption = ' &Gehe zu'
    Tag = 904
    OnClick = MMButton2Click
  end
end
