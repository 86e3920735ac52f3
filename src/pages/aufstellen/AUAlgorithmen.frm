object fmAUAlgorithmen: TfmAUAlgorithmen
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
      Height = 48
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Algorithmen</B><BR>'
        'Jeder Ablauf beschreibt eine Rechnung. Schreibe sie als Term in das weiße Feld darunter, Schritt für Schritt in der Reihenfolge des Ablaufs.')
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 60
      Width = 141
      Height = 288
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeIn1: TXShape
      Left = 14
      Top = 70
      Width = 129
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'Eingabe: a, b'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 7882280
    end
    object XPolygonArrow1: TXPolygon
      Left = 73
      Top = 101
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow2: TXPolygon
      Left = 73
      Top = 155
      Width = 12
      Height = 40
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,769231'
        '0,909091;0,769231'
        '0,454545;0,974359'
        '0;0,769231'
        '0,363636;0,769231')
    end
    object XShapeStep11: TXShape
      Left = 14
      Top = 114
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep11: TLabel
      Left = 17
      Top = 116
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Addiere a und b.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XShapeStep12: TXShape
      Left = 14
      Top = 194
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep12: TLabel
      Left = 17
      Top = 196
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Teile das Ergebnis durch 2.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow3: TXPolygon
      Left = 73
      Top = 235
      Width = 12
      Height = 62
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,852459'
        '0,909091;0,852459'
        '0,454545;0,983607'
        '0;0,852459'
        '0,363636;0,852459')
    end
    object MMTerm1: TMMTerm
      Left = 12
      Top = 296
      Width = 133
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard2: TXShape
      Left = 153
      Top = 60
      Width = 141
      Height = 288
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeIn2: TXShape
      Left = 159
      Top = 70
      Width = 129
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'Eingabe: x'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 7882280
    end
    object XPolygonArrow4: TXPolygon
      Left = 218
      Top = 101
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow5: TXPolygon
      Left = 185
      Top = 155
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow6: TXPolygon
      Left = 251
      Top = 155
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow7: TXPolygon
      Left = 185
      Top = 209
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow8: TXPolygon
      Left = 251
      Top = 209
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XShapeStep21: TXShape
      Left = 159
      Top = 114
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep21: TLabel
      Left = 162
      Top = 116
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Teile x durch 10.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XShapeStep22: TXShape
      Left = 159
      Top = 168
      Width = 63
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep22: TLabel
      Left = 160
      Top = 170
      Width = 61
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Rechne mal 3.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -11
      Font.Color = 3939860
    end
    object XShapeStep23: TXShape
      Left = 225
      Top = 168
      Width = 63
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep23: TLabel
      Left = 226
      Top = 170
      Width = 61
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Quadriere.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -11
      Font.Color = 3939860
    end
    object XShapeStep24: TXShape
      Left = 159
      Top = 222
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep24: TLabel
      Left = 162
      Top = 224
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Addiere die beiden Ergebnisse.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow9: TXPolygon
      Left = 218
      Top = 263
      Width = 12
      Height = 34
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,727273'
        '0,909091;0,727273'
        '0,454545;0,969697'
        '0;0,727273'
        '0,363636;0,727273')
    end
    object MMTerm2: TMMTerm
      Left = 157
      Top = 296
      Width = 133
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard3: TXShape
      Left = 298
      Top = 60
      Width = 141
      Height = 288
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeIn3: TXShape
      Left = 304
      Top = 70
      Width = 129
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'Eingabe: l, b'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 7882280
    end
    object XPolygonArrow10: TXPolygon
      Left = 363
      Top = 101
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow11: TXPolygon
      Left = 363
      Top = 155
      Width = 12
      Height = 40
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,769231'
        '0,909091;0,769231'
        '0,454545;0,974359'
        '0;0,769231'
        '0,363636;0,769231')
    end
    object XShapeStep31: TXShape
      Left = 304
      Top = 114
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep31: TLabel
      Left = 307
      Top = 116
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Multipliziere l mit b.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XShapeStep32: TXShape
      Left = 304
      Top = 194
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep32: TLabel
      Left = 307
      Top = 196
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Teile das Ergebnis durch 2.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow12: TXPolygon
      Left = 363
      Top = 235
      Width = 12
      Height = 62
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,852459'
        '0,909091;0,852459'
        '0,454545;0,983607'
        '0;0,852459'
        '0,363636;0,852459')
    end
    object MMTerm3: TMMTerm
      Left = 302
      Top = 296
      Width = 133
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard4: TXShape
      Left = 443
      Top = 60
      Width = 141
      Height = 288
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeIn4: TXShape
      Left = 449
      Top = 70
      Width = 129
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'Eingabe: l, b'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 7882280
    end
    object XPolygonArrow13: TXPolygon
      Left = 508
      Top = 101
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow14: TXPolygon
      Left = 508
      Top = 155
      Width = 12
      Height = 40
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,769231'
        '0,909091;0,769231'
        '0,454545;0,974359'
        '0;0,769231'
        '0,363636;0,769231')
    end
    object XShapeStep41: TXShape
      Left = 449
      Top = 114
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep41: TLabel
      Left = 452
      Top = 116
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Addiere l und b.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XShapeStep42: TXShape
      Left = 449
      Top = 194
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep42: TLabel
      Left = 452
      Top = 196
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Multipliziere das Ergebnis mit 2.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow15: TXPolygon
      Left = 508
      Top = 235
      Width = 12
      Height = 62
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,852459'
        '0,909091;0,852459'
        '0,454545;0,983607'
        '0;0,852459'
        '0,363636;0,852459')
    end
    object MMTerm4: TMMTerm
      Left = 447
      Top = 296
      Width = 133
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard5: TXShape
      Left = 588
      Top = 60
      Width = 141
      Height = 288
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeIn5: TXShape
      Left = 594
      Top = 70
      Width = 129
      Height = 30
      Shape = stTextCircle
      Brush.Color = 12512511
      Pen.Color = 7882280
      Caption = 'Eingabe: a, b, c'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 7882280
    end
    object XPolygonArrow16: TXPolygon
      Left = 653
      Top = 101
      Width = 12
      Height = 14
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,307692'
        '0,909091;0,307692'
        '0,454545;0,923077'
        '0;0,307692'
        '0,363636;0,307692')
    end
    object XPolygonArrow17: TXPolygon
      Left = 653
      Top = 155
      Width = 12
      Height = 40
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,769231'
        '0,909091;0,769231'
        '0,454545;0,974359'
        '0;0,769231'
        '0,363636;0,769231')
    end
    object XShapeStep51: TXShape
      Left = 594
      Top = 114
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep51: TLabel
      Left = 597
      Top = 116
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Addiere a, b und c.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XShapeStep52: TXShape
      Left = 594
      Top = 194
      Width = 129
      Height = 40
      Shape = stTextBox
      Brush.Color = 16771798
      Pen.Color = 7882280
    end
    object LabelStep52: TLabel
      Left = 597
      Top = 196
      Width = 123
      Height = 36
      AutoSize = False
      Alignment = taCenter
      Layout = tlCenter
      Caption = 'Teile das Ergebnis durch 3.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3939860
    end
    object XPolygonArrow18: TXPolygon
      Left = 653
      Top = 235
      Width = 12
      Height = 62
      Pen.Color = 7882280
      Brush.Color = 7882280
      EnhancedColor = 7882280
      Points.Strings = (
        '0,363636;0'
        '0,545455;0'
        '0,545455;0,852459'
        '0,909091;0,852459'
        '0,454545;0,983607'
        '0;0,852459'
        '0,363636;0,852459')
    end
    object MMTerm5: TMMTerm
      Left = 592
      Top = 296
      Width = 133
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object MiniHTML2: TMiniHTML
      Left = 16
      Top = 360
      Width = 704
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Ein Beispiel: Aus „Addiere x und 3 und multipliziere das Ergebnis mit 5“ wird der Term (x + 3) · 5. Die Klammer sorgt dafür, dass zuerst addiert wird.')
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
      OnClick = PCVGlassButton1Click
    end
  end
end
