object fmStichwort: TfmStichwort
  Caption = 'Stichwortliste'
  ClientWidth = 754
  ClientHeight = 775
  Font.Name = 'Tahoma'
  Font.Height = -13
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object ListBox1: TListBox
    Left = 16
    Top = 4
    Width = 165
    Height = 349
    Sorted = True
    OnClick = ListBox1Click
  end
  object ListBox2: TListBox
    Left = 188
    Top = 4
    Width = 393
    Height = 349
    Sorted = True
    OnDblClick = MMButton2Click
  end
  object MMButton2: TMMButton
    Left = 588
    Top = 4
    Width = 149
    Height = 30
    Caption = ' &Gehe zu'
    Tag = 904
    OnClick = MMButton2Click
  end
end
