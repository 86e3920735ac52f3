object fmNachricht: TfmNachricht
  ClientWidth = 472
  ClientHeight = 221
  Color = 6850118
  object XShape1: TXShape
    Align = alClient
    Shape = sfHLinear
    Brush.Color = 11075029
    Color2 = 11461375
    ScaleX = 16.000000000000000000
  end
  object MiniHTML1: TMiniHTML
    Left = 136
    Top = 40
    Width = 281
    Height = 101
    Transparent = True
    Font.Name = 'Tahoma'
    Font.Height = -15
  end
  object GIFImage6: TGIFImage
    Left = 8
    Top = 100
    Width = 57
    Height = 69
  end
  object MMButton1: TMMButton
    Left = 188
    Top = 184
    Width = 100
    Height = 30
    Caption = 'OK'
    OnClick = MMButton1Click
  end
end
