object fmMSSummeMalSumme: TfmMSSummeMalSumme
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
        '<B>Summe mal Summe</B><BR>'
        'Das Rechteck ist a + b hoch und c + d breit. Zwei Linien zerlegen es in vier Rechtecke.<BR>'
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
      Left = 96
      Top = 124
      Width = 131
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
      Left = 226
      Top = 124
      Width = 77
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
    object XPolygonPart3: TXPolygon
      Left = 96
      Top = 202
      Width = 131
      Height = 47
      Pen.Color = 2631720
      Brush.Color = 11069631
      EnhancedColor = 11069631
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonPart4: TXPolygon
      Left = 226
      Top = 202
      Width = 77
      Height = 47
      Pen.Color = 2631720
      Brush.Color = 11581695
      EnhancedColor = 11581695
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonDimC: TXPolygon
      Left = 96
      Top = 104
      Width = 131
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
    object XPolygonDimD: TXPolygon
      Left = 226
      Top = 104
      Width = 77
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
    object XPolygonDimA: TXPolygon
      Left = 72
      Top = 124
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
    object XPolygonDimB: TXPolygon
      Left = 72
      Top = 202
      Width = 9
      Height = 47
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
    object LabelDimC: TLabel
      Left = 151
      Top = 84
      Width = 20
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelDimD: TLabel
      Left = 254
      Top = 84
      Width = 20
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = 'd'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelDimA: TLabel
      Left = 50
      Top = 154
      Width = 18
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = 'a'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelDimB: TLabel
      Left = 50
      Top = 216
      Width = 18
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = 'b'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object LabelRow1: TLabel
      Left = 368
      Top = 84
      Width = 150
      Height = 18
      AutoSize = False
      Caption = '1. oben links:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm1: TMMTerm
      Left = 520
      Top = 76
      Width = 200
      Height = 34
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
      Top = 122
      Width = 150
      Height = 18
      AutoSize = False
      Caption = '2. oben rechts:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm2: TMMTerm
      Left = 520
      Top = 114
      Width = 200
      Height = 34
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
      Top = 160
      Width = 150
      Height = 18
      AutoSize = False
      Caption = '3. unten links:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm3: TMMTerm
      Left = 520
      Top = 152
      Width = 200
      Height = 34
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow4: TLabel
      Left = 368
      Top = 198
      Width = 150
      Height = 18
      AutoSize = False
      Caption = '4. unten rechts:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm4: TMMTerm
      Left = 520
      Top = 190
      Width = 200
      Height = 34
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow5: TLabel
      Left = 368
      Top = 229
      Width = 150
      Height = 34
      AutoSize = False
      Caption = '5. ganzes Rechteck, ohne Klammern:'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTerm5: TMMTerm
      Left = 520
      Top = 228
      Width = 200
      Height = 34
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
      Top = 280
      Width = 344
      Height = 156
      Shape = stRdTextBox
      Visible = False
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 18
      Top = 286
      Width = 326
      Height = 36
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Jedes Glied der ersten Summe wird mit jedem Glied der zweiten Summe multipliziert:'
      )
    end
    object LabelOpen1: TLabel
      Left = 75
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = '('
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
    end
    object LabelA: TLabel
      Left = 97
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'a'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
      Font.Color = 2773184
    end
    object LabelPlus1: TLabel
      Left = 125
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = '+'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
    end
    object LabelB: TLabel
      Left = 153
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'b'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
      Font.Color = 12087087
    end
    object LabelTimes: TLabel
      Left = 180
      Top = 356
      Width = 36
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = ')·('
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
    end
    object LabelC: TLabel
      Left = 221
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'c'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
      Font.Color = 3050042
    end
    object LabelPlus2: TLabel
      Left = 249
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = '+'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
    end
    object LabelD: TLabel
      Left = 277
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'd'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
      Font.Color = 12078986
    end
    object LabelClose2: TLabel
      Left = 299
      Top = 356
      Width = 22
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = ')'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -22
      Font.Style = [fsBold]
    end
    object XPolygonArcAC: TXPolygon
      Left = 108
      Top = 338
      Width = 125
      Height = 17
      Kind = xpBezier
      Visible = False
      Pen.Color = 2773184
      Pen.Width = 2
      Brush.Style = bsClear
      EnhancedColor = 2773184
      Points.Strings = (
        '0;1'
        '0;0'
        '1;0'
        '1;1'
      )
    end
    object XPolygonArcACHead: TXPolygon
      Left = 228
      Top = 349
      Width = 9
      Height = 7
      Visible = False
      Pen.Color = 2773184
      Brush.Color = 2773184
      EnhancedColor = 2773184
      Points.Strings = (
        '0;0'
        '1;0'
        '0,5;1'
      )
    end
    object XPolygonArcAD: TXPolygon
      Left = 108
      Top = 328
      Width = 181
      Height = 27
      Kind = xpBezier
      Visible = False
      Pen.Color = 2773184
      Pen.Width = 2
      Brush.Style = bsClear
      EnhancedColor = 2773184
      Points.Strings = (
        '0;1'
        '0;0'
        '1;0'
        '1;1'
      )
    end
    object XPolygonArcADHead: TXPolygon
      Left = 284
      Top = 349
      Width = 9
      Height = 7
      Visible = False
      Pen.Color = 2773184
      Brush.Color = 2773184
      EnhancedColor = 2773184
      Points.Strings = (
        '0;0'
        '1;0'
        '0,5;1'
      )
    end
    object XPolygonArcBC: TXPolygon
      Left = 164
      Top = 384
      Width = 69
      Height = 17
      Kind = xpBezier
      Visible = False
      Pen.Color = 12087087
      Pen.Width = 2
      Brush.Style = bsClear
      EnhancedColor = 12087087
      Points.Strings = (
        '0;0'
        '0;1'
        '1;1'
        '1;0'
      )
    end
    object XPolygonArcBCHead: TXPolygon
      Left = 228
      Top = 384
      Width = 9
      Height = 7
      Visible = False
      Pen.Color = 12087087
      Brush.Color = 12087087
      EnhancedColor = 12087087
      Points.Strings = (
        '0,5;0'
        '1;1'
        '0;1'
      )
    end
    object XPolygonArcBD: TXPolygon
      Left = 164
      Top = 384
      Width = 125
      Height = 27
      Kind = xpBezier
      Visible = False
      Pen.Color = 12087087
      Pen.Width = 2
      Brush.Style = bsClear
      EnhancedColor = 12087087
      Points.Strings = (
        '0;0'
        '0;1'
        '1;1'
        '1;0'
      )
    end
    object XPolygonArcBDHead: TXPolygon
      Left = 284
      Top = 384
      Width = 9
      Height = 7
      Visible = False
      Pen.Color = 12087087
      Brush.Color = 12087087
      EnhancedColor = 12087087
      Points.Strings = (
        '0,5;0'
        '1;1'
        '0;1'
      )
    end
    object LabelResult: TLabel
      Left = 18
      Top = 408
      Width = 326
      Height = 24
      AutoSize = False
      Alignment = taCenter
      Caption = '= a·c + a·d + b·c + b·d'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelTasks: TLabel
      Left = 368
      Top = 278
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
    object LabelRow6: TLabel
      Left = 368
      Top = 305
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask6: TMMTerm
      Left = 386
      Top = 298
      Width = 170
      Height = 30
      Caption = '(x+2)*(y+3)'
      State = 2
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs6: TLabel
      Left = 558
      Top = 302
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
      Left = 386
      Top = 332
      Width = 334
      Height = 32
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow7: TLabel
      Left = 368
      Top = 377
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask7: TMMTerm
      Left = 386
      Top = 370
      Width = 170
      Height = 30
      Caption = '(a+b)*(c+d+e)'
      State = 2
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs7: TLabel
      Left = 558
      Top = 374
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
    object MMTerm7: TMMTerm
      Left = 386
      Top = 404
      Width = 334
      Height = 32
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
      Top = 442
      Width = 150
      Height = 36
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
