object fmNachricht: TfmNachricht
  ClientWidth = 472
  ClientHeight = 221
  Color = 6850118
  OnCreate = FormCreate
  object XShape1: TXShape
    Align = alClient
    Shape = sfHLinear
    Brush.Color = 11075029
    Color2 = 11461375
    ScaleX = 16.000000000000000000
  end
  object MMBox1: TMMBox
    Left = 56
    Top = -8
    Width = 393
    Height = 185
    Grid.Parent = MMBox1
    Grid.Color = clBlack
    MMPoints = <
      item
        X = 0
        Y = 100
        Name = 'P0'
        Origin = -1
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = 16
        Name = 'P1'
        Origin = 0
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = 0
        Name = 'P2'
        Origin = 1
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 50
        Y = 0
        Name = 'P3'
        Origin = 2
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 45
        Y = -20
        Name = 'P4'
        Origin = 2
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 0
        Y = -80
        Name = 'P5'
        Origin = 4
        FixReference = -1
        FixType = ftNone
      end
      item
        X = 340
        Y = 80
        Name = 'P6'
        Origin = 4
        FixReference = -1
        FixType = ftNone
      end>
    MMObjects = <
      item
        Name = 'Blase1'
        Shape = stTriangle
        ShapeData.Sensible = False
        ShapeData.Visible = True
        ShapeData.Movable = False
        ShapeData.P1 = 2
        ShapeData.P2 = 3
        ShapeData.P3 = 4
        ShapeData.Brush.Color = 8454143
        ShapeData.Pen.Style = psClear
      end
      item
        Name = 'Blase2'
        Shape = stEllipse
        ShapeData.Sensible = True
        ShapeData.Visible = True
        ShapeData.Movable = False
        ShapeData.P1 = 5
        ShapeData.P2 = 6
        ShapeData.Brush.Color = 8454143
        ShapeData.Pen.Style = psClear
      end>
    Transparent = True
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
  object LabelTip: TLabel
    Left = 136
    Top = 143
    Width = 281
    Height = 32
    AutoSize = False
    WordWrap = True
    Transparent = True
    Visible = False
    Font.Name = 'Tahoma'
    Font.Height = -12
    Font.Color = 8388608
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
