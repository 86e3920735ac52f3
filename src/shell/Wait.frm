object fmWait: TfmWait
  ClientWidth = 422
  ClientHeight = 38
  Font.Name = 'Tahoma'
  Font.Height = -15
  Position = poScreenCenter
  object XShape1: TXShape
    Align = alClient
    Shape = sfHLinear
    Brush.Color = 11075029
    Color2 = 11461375
    ScaleX = 16.000000000000000000
  end
  object Label1: TLabel
    Left = 16
    Top = 10
    Caption = 'Applikation wird gestartet...'
    Transparent = True
    Font.Name = 'Tahoma'
    Font.Height = -15
    Font.Style = [fsBold]
  end
end
