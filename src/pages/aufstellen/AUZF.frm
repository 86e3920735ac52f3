object fmAUZF: TfmAUZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 148
      Top = 6
      Width = 440
      Height = 52
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Zusammenfassung'
      Font.Color = 5248016
      Font.Height = -26
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 64
      Width = 354
      Height = 184
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML1: TMiniHTML
      Left = 18
      Top = 72
      Width = 334
      Height = 100
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Aus der Wortform</B><BR>'
        'Übersetze Schritt für Schritt. Aus<BR>'
        '„Addiere a zu b und multipliziere das Ergebnis mit dem Quotienten aus c und d“<BR>'
        'wird der Term')
    end
    object MMTerm1: TMMTerm
      Left = 108
      Top = 182
      Width = 150
      Height = 52
      Caption = '(a+b)*(c/d)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object XShapeCard2: TXShape
      Left = 374
      Top = 64
      Width = 354
      Height = 184
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 384
      Top = 72
      Width = 334
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Aus einem Algorithmus</B><BR>'
        'Jeder Schritt wird zu einer Rechnung im Term:')
    end
    object XShapeStep1: TXShape
      Left = 386
      Top = 122
      Width = 72
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'a, b, c'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object XPolygonArrow1: TXPolygon
      Left = 460
      Top = 132
      Width = 18
      Height = 12
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0;0,363636'
        '0,470588;0,363636'
        '0,470588;0'
        '0,941176;0,454545'
        '0,470588;0,909091'
        '0,470588;0,545455'
        '0;0,545455')
    end
    object XShapeStep2: TXShape
      Left = 478
      Top = 122
      Width = 78
      Height = 30
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
      Caption = 'addieren'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow2: TXPolygon
      Left = 558
      Top = 132
      Width = 18
      Height = 12
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0;0,363636'
        '0,470588;0,363636'
        '0,470588;0'
        '0,941176;0,454545'
        '0,470588;0,909091'
        '0,470588;0,545455'
        '0;0,545455')
    end
    object XShapeStep3: TXShape
      Left = 576
      Top = 122
      Width = 110
      Height = 30
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
      Caption = 'durch 3 teilen'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow3: TXPolygon
      Left = 546
      Top = 158
      Width = 12
      Height = 24
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,608696'
        '0,909091;0,608696'
        '0,454545;0,956522'
        '0;0,608696'
        '0,363636;0,608696')
    end
    object MMTerm2: TMMTerm
      Left = 474
      Top = 182
      Width = 150
      Height = 52
      Caption = '(a+b+c)/3'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object XShapeCard3: TXShape
      Left = 8
      Top = 256
      Width = 354
      Height = 184
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML3: TMiniHTML
      Left = 18
      Top = 264
      Width = 334
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Aus einer Wertetabelle</B><BR>'
        'Suche die Vorschrift, die für alle Spalten passt:')
    end
    object RRGrid1: TRRGrid
      Left = 14
      Top = 310
      Width = 344
      Height = 53
      ColCount = 11
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 30
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -12
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>−5<BR></CENTER>'
        '<CENTER>−4<BR></CENTER>'
        '<CENTER>−3<BR></CENTER>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>−10<BR></CENTER>'
        '<CENTER>−8<BR></CENTER>'
        '<CENTER>−6<BR></CENTER>'
        '<CENTER>−4<BR></CENTER>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>6<BR></CENTER>'
        '<CENTER>8<BR></CENTER>')
    end
    object Label3: TLabel
      Left = 18
      Top = 384
      Width = 120
      Height = 20
      Caption = 'Jedes T(x) ist das Doppelte von x:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 3939860
    end
    object MMTerm3: TMMTerm
      Left = 258
      Top = 376
      Width = 90
      Height = 40
      Caption = '2*x'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object XShapeCard4: TXShape
      Left = 374
      Top = 256
      Width = 354
      Height = 184
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML4: TMiniHTML
      Left = 384
      Top = 264
      Width = 334
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Aus einer Figur</B><BR>'
        'Zerlege in Teile, die du berechnen kannst:')
    end
    object XPolygon1: TXPolygon
      Left = 398
      Top = 326
      Width = 122
      Height = 52
      Pen.Color = 2631720
      Brush.Color = 15772270
      EnhancedColor = 15772270
      Points.Strings = (
        '0;0'
        '0,991736;0'
        '0,991736;0,980392'
        '0;0,980392')
    end
    object XPolygon2: TXPolygon
      Left = 518
      Top = 326
      Width = 52
      Height = 52
      Pen.Color = 2631720
      Brush.Color = 5954810
      EnhancedColor = 5954810
      Points.Strings = (
        '0;0'
        '0,980392;0,980392'
        '0;0,980392')
    end
    object LabelA: TLabel
      Left = 450
      Top = 307
      Width = 16
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
    object LabelB: TLabel
      Left = 535
      Top = 378
      Width = 16
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
    object LabelC: TLabel
      Left = 382
      Top = 342
      Width = 14
      Height = 17
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = 9190430
    end
    object MiniHTML5: TMiniHTML
      Left = 584
      Top = 320
      Width = 136
      Height = 60
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Lines.Strings = (
        'Rechteck a·c und<BR>Dreieck b·c : 2, zusammen')
    end
    object MMTerm4: TMMTerm
      Left = 588
      Top = 378
      Width = 126
      Height = 40
      Caption = 'c*(a+b/2)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object lbDatum: TLabel
      Left = 300
      Top = 452
      Width = 136
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = '14.6.2000'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 3939860
    end
  end
end
