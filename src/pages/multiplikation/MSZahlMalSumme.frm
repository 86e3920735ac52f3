object fmMSZahlMalSumme: TfmMSZahlMalSumme
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16772340
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
        '<B>Zahl mal Summe</B><BR>'
        'Das Rechteck ist 3 hoch und x + 4 breit. Eine Linie teilt es in zwei Rechtecke.<BR>'
        'Gib die Flächeninhalte als Terme an.'
      )
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 72
      Width = 344
      Height = 200
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object XPolygonPart1: TXPolygon
      Left = 72
      Top = 128
      Width = 144
      Height = 79
      Pen.Color = 2631720
      Brush.Color = 16764841
      EnhancedColor = 16764841
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonPart2: TXPolygon
      Left = 215
      Top = 128
      Width = 105
      Height = 79
      Pen.Color = 2631720
      Brush.Color = 9101567
      EnhancedColor = 9101567
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonGridColumns: TXPolygon
      Left = 241
      Top = 128
      Width = 53
      Height = 79
      Kind = xpLine
      Pen.Color = 13153450
      Brush.Style = bsClear
      EnhancedColor = 13153450
      Points.Strings = (
        '0;0'
        '0;1'
        '0,5;1'
        '0,5;0'
        '1;0'
        '1;1'
      )
    end
    object XPolygonGridRows: TXPolygon
      Left = 215
      Top = 154
      Width = 105
      Height = 27
      Kind = xpLine
      Pen.Color = 13153450
      Brush.Style = bsClear
      EnhancedColor = 13153450
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonOutline2: TXPolygon
      Left = 215
      Top = 128
      Width = 105
      Height = 79
      Kind = xpPolygon
      Pen.Color = 2631720
      Brush.Style = bsClear
      EnhancedColor = 2631720
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonDimX: TXPolygon
      Left = 72
      Top = 108
      Width = 144
      Height = 9
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;1'
        '0;0,5'
        '1;0,5'
        '1;0'
        '1;1'
      )
    end
    object XPolygonDim4: TXPolygon
      Left = 215
      Top = 108
      Width = 105
      Height = 9
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '0;1'
        '0;0,5'
        '1;0,5'
        '1;0'
        '1;1'
      )
    end
    object XPolygonDim3: TXPolygon
      Left = 48
      Top = 128
      Width = 9
      Height = 79
      Kind = xpLine
      Pen.Color = 9190430
      Brush.Style = bsClear
      EnhancedColor = 9190430
      Points.Strings = (
        '0;0'
        '1;0'
        '0,5;0'
        '0,5;1'
        '0;1'
        '1;1'
      )
    end
    object LabelDimX: TLabel
      Left = 133
      Top = 88
      Width = 20
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = 'x'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelDim4: TLabel
      Left = 257
      Top = 88
      Width = 20
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = '4'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelDim3: TLabel
      Left = 26
      Top = 158
      Width = 18
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = '3'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object MiniHTML4: TMiniHTML
      Left = 24
      Top = 226
      Width = 320
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Ein Kästchen ist 1 breit und 1 hoch. Sein Flächeninhalt ist 1.'
      )
    end
    object LabelRow1: TLabel
      Left = 368
      Top = 94
      Width = 148
      Height = 18
      AutoSize = False
      Caption = '1. Linkes Rechteck:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm1: TMMTerm
      Left = 520
      Top = 84
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow2: TLabel
      Left = 368
      Top = 140
      Width = 148
      Height = 18
      AutoSize = False
      Caption = '2. Rechtes Rechteck:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm2: TMMTerm
      Left = 520
      Top = 130
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow3: TLabel
      Left = 368
      Top = 174
      Width = 148
      Height = 36
      AutoSize = False
      Caption = '3. Ganzes Rechteck, ohne Klammern:'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm3: TMMTerm
      Left = 520
      Top = 172
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard2: TXShape
      Left = 8
      Top = 282
      Width = 344
      Height = 140
      Shape = stRdTextBox
      Visible = False
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 18
      Top = 288
      Width = 326
      Height = 36
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Das ganze Rechteck hat den Inhalt 3·(x+4) und auch 3·x+12. Für alle Zahlen gilt:'
      )
    end
    object LabelRule: TLabel
      Left = 18
      Top = 326
      Width = 326
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'a·(b + c) = a·b + a·c'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object MiniHTML3: TMiniHTML
      Left = 18
      Top = 356
      Width = 326
      Height = 62
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Das ist das <B>Distributivgesetz</B>. Jeder Summand in der Klammer wird mit dem Faktor '
        'vor der Klammer multipliziert. Das heißt <B>Ausmultiplizieren</B>.'
      )
    end
    object LabelTasks: TLabel
      Left = 368
      Top = 284
      Width = 352
      Height = 18
      AutoSize = False
      Caption = 'Multipliziere aus und fasse zusammen:'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
    end
    object LabelRow4: TLabel
      Left = 368
      Top = 316
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask4: TMMTerm
      Left = 386
      Top = 306
      Width = 112
      Height = 38
      Caption = 'a*(b-c)'
      State = 2
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs4: TLabel
      Left = 498
      Top = 314
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm4: TMMTerm
      Left = 520
      Top = 306
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow5: TLabel
      Left = 368
      Top = 358
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask5: TMMTerm
      Left = 386
      Top = 348
      Width = 112
      Height = 38
      Caption = '-2*(x-5)'
      State = 2
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs5: TLabel
      Left = 498
      Top = 356
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm5: TMMTerm
      Left = 520
      Top = 348
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow6: TLabel
      Left = 368
      Top = 400
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask6: TMMTerm
      Left = 386
      Top = 390
      Width = 112
      Height = 38
      Caption = 'x*(x+1)'
      State = 2
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs6: TLabel
      Left = 498
      Top = 398
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm6: TMMTerm
      Left = 520
      Top = 390
      Width = 200
      Height = 38
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 436
      Width = 150
      Height = 40
      Caption = '&Weiter'
      Color = 11824710
      Radius = 20
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6697728
      OnClick = PCVGlassButton1Click
    end
  end
end
