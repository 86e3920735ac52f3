object fmPages: TfmPages
  Caption = 'Wo bin ich?'
  ClientWidth = 512
  ClientHeight = 427
  Font.Name = 'Tahoma'
  Font.Height = -13
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object TreeView1: TTreeView
    Align = alLeft
    Width = 313
    ReadOnly = True
    Indent = 19
    OnChanging = TreeView1Changing
    OnDblClick = GotoClick
  end
  object MMButton2: TMMButton
    Left = 332
    Top = 16
    Width = 149
    Height = 30
    Caption = ' &Gehe zu'
    Tag = 904
    OnClick = GotoClick
  end
  object MMButton1: TMMButton
    Left = 332
    Top = 60
    Width = 149
    Height = 30
    Caption = '&exportieren...'
    Tag = 904
    OnClick = MMButton1Click
  end
  object SaveDialog1: TSaveDialog
    Filter = 'Textdatei (*.txt)|*.txt'
    DefaultExt = 'txt'
  end
end
