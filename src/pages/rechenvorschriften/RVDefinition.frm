object fmRVDefinition: TfmRVDefinition
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 80
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Wie groß sind die Dreiecke?</B> <BR>'
        'Jedes rechtwinklige Dreieck ist genau die Hälfte eines Rechtecks mit derselben Länge und Breite (Maße in cm). '
        'Gefragt ist der Flächeninhalt der Dreiecke A, B, C, D und E. '
        'Versuche die entsprechende Tabelle zu füllen.')
    end
    object XShapeKarte1: TXShape
      Left = 10
      Top = 92
      Width = 376
      Height = 196
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShape1: TXShape
      Left = 58
      Top = 112
      Width = 89
      Height = 45
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 10526880
      Pen.Style = psDot
    end
    object XPolygon1: TXPolygon
      Left = 58
      Top = 112
      Width = 89
      Height = 45
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 3975935
      EnhancedColor = 3975935
      Pen.Color = 4210752
    end
    object lbDreieckA: TLabel
      Left = 128
      Top = 114
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'A'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 3158064
    end
    object lbLaengeA: TLabel
      Left = 58
      Top = 158
      Width = 88
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '8 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreiteA: TLabel
      Left = 12
      Top = 126
      Width = 42
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = '4 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object XShape2: TXShape
      Left = 198
      Top = 112
      Width = 56
      Height = 45
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 10526880
      Pen.Style = psDot
    end
    object XPolygon2: TXPolygon
      Left = 198
      Top = 112
      Width = 56
      Height = 45
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 16427610
      EnhancedColor = 16427610
      Pen.Color = 4210752
    end
    object lbDreieckB: TLabel
      Left = 235
      Top = 114
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'B'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 3158064
    end
    object lbLaengeB: TLabel
      Left = 198
      Top = 158
      Width = 55
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '5 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreiteB: TLabel
      Left = 152
      Top = 126
      Width = 42
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = '4 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object XShape3: TXShape
      Left = 304
      Top = 124
      Width = 67
      Height = 34
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 10526880
      Pen.Style = psDot
    end
    object XPolygon3: TXPolygon
      Left = 304
      Top = 124
      Width = 67
      Height = 34
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 5949560
      EnhancedColor = 5949560
      Pen.Color = 4210752
    end
    object lbDreieckC: TLabel
      Left = 352
      Top = 126
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'C'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 3158064
    end
    object lbLaengeC: TLabel
      Left = 304
      Top = 159
      Width = 66
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '6 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreiteC: TLabel
      Left = 258
      Top = 132
      Width = 42
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = '3 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object XShape4: TXShape
      Left = 58
      Top = 222
      Width = 144
      Height = 23
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 10526880
      Pen.Style = psDot
    end
    object XPolygon4: TXPolygon
      Left = 58
      Top = 222
      Width = 144
      Height = 23
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 9203440
      EnhancedColor = 9203440
      Pen.Color = 4210752
    end
    object lbDreieckD: TLabel
      Left = 183
      Top = 224
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'D'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 3158064
    end
    object lbLaengeD: TLabel
      Left = 58
      Top = 246
      Width = 143
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '13 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreiteD: TLabel
      Left = 12
      Top = 225
      Width = 42
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = '2 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object XShape5: TXShape
      Left = 256
      Top = 198
      Width = 111
      Height = 56
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 10526880
      Pen.Style = psDot
    end
    object XPolygon5: TXPolygon
      Left = 256
      Top = 198
      Width = 111
      Height = 56
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 15106730
      EnhancedColor = 15106730
      Pen.Color = 4210752
    end
    object lbDreieckE: TLabel
      Left = 348
      Top = 200
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'E'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 3158064
    end
    object lbLaengeE: TLabel
      Left = 256
      Top = 255
      Width = 110
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '10 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreiteE: TLabel
      Left = 210
      Top = 217
      Width = 42
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = '5 cm'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object RRGrid1: TRRGrid
      Left = 386
      Top = 98
      Width = 405
      Height = 187
      ColCount = 4
      RowCount = 6
      DefaultColWidth = 100
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 5
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        ''
        'Länge'
        'Breite'
        'Flächeninhalt in cm²'
        '<B>A</B>'
        ''
        ''
        ''
        '<B>B</B>'
        ''
        ''
        ''
        '<B>C</B>'
        ''
        ''
        ''
        '<B>D</B>'
        ''
        ''
        ''
        '<B>E</B>'
        ''
        ''
        '')
    end
    object Edit1: TEdit
      Left = 443
      Top = 132
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown1: TUpDown
      Left = 495
      Top = 132
      Width = 17
      Height = 24
      Associate = Edit1
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit2: TEdit
      Left = 544
      Top = 132
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown2: TUpDown
      Left = 596
      Top = 132
      Width = 17
      Height = 24
      Associate = Edit2
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit3: TEdit
      Left = 645
      Top = 132
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown3: TUpDown
      Left = 697
      Top = 132
      Width = 17
      Height = 24
      Associate = Edit3
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit4: TEdit
      Left = 443
      Top = 163
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown4: TUpDown
      Left = 495
      Top = 163
      Width = 17
      Height = 24
      Associate = Edit4
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit5: TEdit
      Left = 544
      Top = 163
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown5: TUpDown
      Left = 596
      Top = 163
      Width = 17
      Height = 24
      Associate = Edit5
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit6: TEdit
      Left = 645
      Top = 163
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown6: TUpDown
      Left = 697
      Top = 163
      Width = 17
      Height = 24
      Associate = Edit6
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit7: TEdit
      Left = 443
      Top = 194
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown7: TUpDown
      Left = 495
      Top = 194
      Width = 17
      Height = 24
      Associate = Edit7
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit8: TEdit
      Left = 544
      Top = 194
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown8: TUpDown
      Left = 596
      Top = 194
      Width = 17
      Height = 24
      Associate = Edit8
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit9: TEdit
      Left = 645
      Top = 194
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown9: TUpDown
      Left = 697
      Top = 194
      Width = 17
      Height = 24
      Associate = Edit9
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit10: TEdit
      Left = 443
      Top = 225
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown10: TUpDown
      Left = 495
      Top = 225
      Width = 17
      Height = 24
      Associate = Edit10
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit11: TEdit
      Left = 544
      Top = 225
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown11: TUpDown
      Left = 596
      Top = 225
      Width = 17
      Height = 24
      Associate = Edit11
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit12: TEdit
      Left = 645
      Top = 225
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown12: TUpDown
      Left = 697
      Top = 225
      Width = 17
      Height = 24
      Associate = Edit12
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit13: TEdit
      Left = 443
      Top = 256
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown13: TUpDown
      Left = 495
      Top = 256
      Width = 17
      Height = 24
      Associate = Edit13
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit14: TEdit
      Left = 544
      Top = 256
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown14: TUpDown
      Left = 596
      Top = 256
      Width = 17
      Height = 24
      Associate = Edit14
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit15: TEdit
      Left = 645
      Top = 256
      Width = 52
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown15: TUpDown
      Left = 697
      Top = 256
      Width = 17
      Height = 24
      Associate = Edit15
      Min = 0
      Max = 999
      Position = 0
    end
    object lbFrage: TLabel
      Left = 16
      Top = 300
      Width = 500
      Height = 22
      AutoSize = False
      Caption = 'Was haben alle Berechnungen gemeinsam?'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 8388608
    end
    object lbZuerst: TLabel
      Left = 16
      Top = 336
      Width = 140
      Height = 22
      AutoSize = False
      Caption = '„Man muss zuerst'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMCombo1: TMMCombo
      Left = 156
      Top = 333
      Width = 340
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'Länge und Breite addieren'
        '+Länge mit Breite multiplizieren'
        'Länge durch Breite teilen'
        'Länge mit Länge multiplizieren'
        'die Breite von der Länge subtrahieren'
        'zur Länge 2 addieren'
        'das Ergebnis durch 2 teilen.'
        'das Ergebnis mit 2 multiplizieren.'
        'das Ergebnis mit sich selbst multiplizieren.'
        '2 vom Ergebnis subtrahieren.'
        'das Ergebnis und die Breite addieren.'
        'die Dreiecke zählen.')
    end
    object lbDann: TLabel
      Left = 16
      Top = 374
      Width = 140
      Height = 22
      AutoSize = False
      Caption = 'und dann'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMCombo2: TMMCombo
      Left = 156
      Top = 371
      Width = 340
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'Länge und Breite addieren“'
        'Länge mit Breite multiplizieren“'
        'Länge durch Breite teilen“'
        'Länge mit Länge multiplizieren“'
        'die Breite von der Länge subtrahieren“'
        'zur Länge 2 addieren“'
        '+das Ergebnis durch 2 teilen.“'
        'das Ergebnis mit 2 multiplizieren.“'
        'das Ergebnis mit sich selbst multiplizieren.“'
        '2 vom Ergebnis subtrahieren.“'
        'das Ergebnis und die Breite addieren.“'
        'die Dreiecke zählen.“')
    end
    object lbKlammer: TLabel
      Left = 500
      Top = 318
      Width = 36
      Height = 84
      AutoSize = False
      Caption = '}'
      Transparent = True
      Visible = False
      Font.Name = 'Times New Roman'
      Font.Height = -70
      Font.Color = 8388608
    end
    object MiniHTML2: TMiniHTML
      Left = 540
      Top = 346
      Width = 250
      Height = 50
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines.Strings = (
        'So einen Satz nennt man <B>Rechenvorschrift</B>.')
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 416
      Width = 150
      Height = 44
      Color = 10510368
      Caption = '&Weiter'
      Font.Name = 'Tahoma'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clNavy
      EnhancedColor = clRed
      OnClick = PCVGlassButton1Click
    end
  end
end
