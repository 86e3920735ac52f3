object fmAUGeometrie: TfmAUGeometrie
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 56
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Geometrie</B><BR>'
        'Die untenstehende Figur ist symmetrisch.<BR>'
        'Bestimme jeweils den Term, der den Inhalt der farbigen Fläche darstellt.')
    end
    object XShapeCard: TXShape
      Left = 8
      Top = 68
      Width = 444
      Height = 340
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object XPolygonStem1: TXPolygon
      Left = 192
      Top = 128
      Width = 46
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,977778;0'
        '0,977778;0,977778'
        '0;0,977778')
    end
    object XPolygonStem2: TXPolygon
      Left = 192
      Top = 216
      Width = 46
      Height = 74
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,977778;0'
        '0,977778;0,986301'
        '0;0,986301')
    end
    object XPolygonUpper1: TXPolygon
      Left = 214
      Top = 172
      Width = 24
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,956522;0'
        '0,956522;0,977778'
        '0;0,977778')
    end
    object XPolygonUpper2: TXPolygon
      Left = 236
      Top = 172
      Width = 68
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,985075;0'
        '0,985075;0,977778'
        '0;0,977778')
    end
    object XPolygonUpper3: TXPolygon
      Left = 302
      Top = 172
      Width = 82
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,987654;0,977778'
        '0;0,977778')
    end
    object XPolygonLower1: TXPolygon
      Left = 214
      Top = 288
      Width = 150
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,483221;0'
        '0,993289;0,977778'
        '0;0,977778')
    end
    object XPolygonLower2: TXPolygon
      Left = 286
      Top = 288
      Width = 78
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,987013;0'
        '0,987013;0,977778')
    end
    object XPolygonLower3: TXPolygon
      Left = 362
      Top = 288
      Width = 52
      Height = 46
      Pen.Color = 7237230
      Brush.Color = 16777215
      EnhancedColor = 16777215
      Points.Strings = (
        '0;0'
        '0,980392;0'
        '0,980392;0,977778'
        '0;0,977778')
    end
    object XPolygonPart1: TXPolygon
      Left = 16
      Top = 288
      Width = 52
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 4699135
      EnhancedColor = 4699135
      Points.Strings = (
        '0;0'
        '0,980392;0'
        '0,980392;0,977778'
        '0;0,977778')
    end
    object XPolygonPart2: TXPolygon
      Left = 192
      Top = 84
      Width = 46
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 7895295
      EnhancedColor = 7895295
      Points.Strings = (
        '0,488889;0'
        '0,977778;0,977778'
        '0;0,977778')
    end
    object XPolygonPart3: TXPolygon
      Left = 46
      Top = 172
      Width = 82
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 7915640
      EnhancedColor = 7915640
      Points.Strings = (
        '0;0,977778'
        '0,987654;0'
        '0,987654;0,977778')
    end
    object XPolygonPart4: TXPolygon
      Left = 126
      Top = 172
      Width = 90
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 15772270
      EnhancedColor = 15772270
      Points.Strings = (
        '0;0'
        '0,988764;0'
        '0,988764;0,977778'
        '0;0,977778')
    end
    object XPolygonPart5: TXPolygon
      Left = 66
      Top = 288
      Width = 78
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 15111880
      EnhancedColor = 15111880
      Points.Strings = (
        '0;0'
        '0,987013;0'
        '0;0,977778')
    end
    object XPolygonPart6: TXPolygon
      Left = 66
      Top = 288
      Width = 150
      Height = 46
      Pen.Color = 2631720
      Brush.Color = 5954810
      EnhancedColor = 5954810
      Points.Strings = (
        '0,510067;0'
        '0,993289;0'
        '0,993289;0,977778'
        '0;0,977778')
    end
    object LabelPart1: TLabel
      Left = 33
      Top = 302
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '1'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object LabelPart2: TLabel
      Left = 206
      Top = 103
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '2'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object LabelPart3: TLabel
      Left = 92
      Top = 193
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '3'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object LabelPart4: TLabel
      Left = 162
      Top = 186
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '4'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object LabelPart5: TLabel
      Left = 80
      Top = 294
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '5'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object LabelPart6: TLabel
      Left = 166
      Top = 302
      Width = 16
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = '6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object XPolygonAxis: TXPolygon
      Left = 214
      Top = 74
      Width = 2
      Height = 270
      Kind = xpLine
      Pen.Color = 2631880
      Pen.Style = psDashDot
      Brush.Style = bsClear
      EnhancedColor = 2631880
      Points.Strings = (
        '0;0'
        '0;0,996283')
    end
    object XPolygonDimC: TXPolygon
      Left = 192
      Top = 151
      Width = 46
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,977778;0,428571'
        '0,977778;0'
        '0,977778;0,857143')
    end
    object LabelonDimC: TLabel
      Left = 204
      Top = 135
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimB: TXPolygon
      Left = 236
      Top = 163
      Width = 68
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,985075;0,428571'
        '0,985075;0'
        '0,985075;0,857143')
    end
    object LabelonDimB: TLabel
      Left = 259
      Top = 147
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'b'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimA: TXPolygon
      Left = 192
      Top = 247
      Width = 192
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,994764;0,428571'
        '0,994764;0'
        '0,994764;0,857143')
    end
    object LabelonDimA: TLabel
      Left = 277
      Top = 231
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'a'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimE1: TXPolygon
      Left = 236
      Top = 279
      Width = 52
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,980392;0,428571'
        '0,980392;0'
        '0,980392;0,857143')
    end
    object LabelonDimE1: TLabel
      Left = 251
      Top = 263
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'e'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimD: TXPolygon
      Left = 286
      Top = 279
      Width = 78
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,987013;0,428571'
        '0,987013;0'
        '0,987013;0,857143')
    end
    object LabelonDimD: TLabel
      Left = 314
      Top = 263
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'd'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimE2: TXPolygon
      Left = 362
      Top = 279
      Width = 52
      Height = 8
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;0,857143'
        '0;0,428571'
        '0,980392;0,428571'
        '0,980392;0'
        '0,980392;0,857143')
    end
    object LabelonDimE2: TLabel
      Left = 377
      Top = 263
      Width = 20
      Height = 17
      AutoSize = False
      Alignment = taCenter
      Caption = 'e'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimCRoof: TXPolygon
      Left = 247
      Top = 84
      Width = 8
      Height = 46
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0,857143;0'
        '0,428571;0'
        '0,428571;0,977778'
        '0;0,977778'
        '0,857143;0,977778')
    end
    object LabelonDimCRoof: TLabel
      Left = 255
      Top = 97
      Width = 16
      Height = 17
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimCUpper: TXPolygon
      Left = 389
      Top = 172
      Width = 8
      Height = 46
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0,857143;0'
        '0,428571;0'
        '0,428571;0,977778'
        '0;0,977778'
        '0,857143;0,977778')
    end
    object LabelonDimCUpper: TLabel
      Left = 397
      Top = 185
      Width = 16
      Height = 17
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object XPolygonDimCLower: TXPolygon
      Left = 419
      Top = 288
      Width = 8
      Height = 46
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0,857143;0'
        '0,428571;0'
        '0,428571;0,977778'
        '0;0,977778'
        '0,857143;0,977778')
    end
    object LabelonDimCLower: TLabel
      Left = 427
      Top = 301
      Width = 16
      Height = 17
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object MiniHTML2: TMiniHTML
      Left = 20
      Top = 352
      Width = 420
      Height = 50
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Tipp:</B> Die Längen stehen rechts. Wegen der Symmetrie gelten sie links genauso. Zerlege, wo es hilft, in Rechtecke und Dreiecke.')
    end
    object XShapeBadge1: TXShape
      Left = 466
      Top = 82
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 4699135
      Pen.Color = 2631720
      Caption = '1'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm1: TMMTerm
      Left = 506
      Top = 74
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeBadge2: TXShape
      Left = 466
      Top = 136
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 7895295
      Pen.Color = 2631720
      Caption = '2'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm2: TMMTerm
      Left = 506
      Top = 128
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeBadge3: TXShape
      Left = 466
      Top = 190
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 7915640
      Pen.Color = 2631720
      Caption = '3'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm3: TMMTerm
      Left = 506
      Top = 182
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeBadge4: TXShape
      Left = 466
      Top = 244
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 15772270
      Pen.Color = 2631720
      Caption = '4'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm4: TMMTerm
      Left = 506
      Top = 236
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeBadge5: TXShape
      Left = 466
      Top = 298
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 15111880
      Pen.Color = 2631720
      Caption = '5'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm5: TMMTerm
      Left = 506
      Top = 290
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeBadge6: TXShape
      Left = 466
      Top = 352
      Width = 30
      Height = 30
      Shape = stTextCircle
      Brush.Color = 5954810
      Pen.Color = 2631720
      Caption = '6'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 1315860
    end
    object MMTerm6: TMMTerm
      Left = 506
      Top = 344
      Width = 214
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object PCVGlassButton2: TPCVGlassButton
      Left = 288
      Top = 424
      Width = 160
      Height = 40
      Caption = '&Weiter'
      Color = 11824710
      Radius = 20
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6697728
      OnClick = PCVGlassButton2Click
    end
  end
end
