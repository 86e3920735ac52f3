object fmRVU1: TfmRVU1
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object MiniHTML2: TMiniHTML
      Left = 16
      Top = 6
      Width = 704
      Height = 30
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines.Strings = (
        '<B>Übung:</B> Ordne die einzelnen Rechenvorschriften richtig zu.')
    end
    object XShapeKarte1: TXShape
      Left = 16
      Top = 40
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label1: TLabel
      Left = 22
      Top = 44
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '1'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo1: TMMCombo
      Left = 22
      Top = 140
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        '+Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte2: TXShape
      Left = 253
      Top = 40
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label2: TLabel
      Left = 259
      Top = 44
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '2'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo2: TMMCombo
      Left = 259
      Top = 140
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        '+Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte3: TXShape
      Left = 490
      Top = 40
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label3: TLabel
      Left = 496
      Top = 44
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '3'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo3: TMMCombo
      Left = 496
      Top = 140
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        '+Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte4: TXShape
      Left = 16
      Top = 178
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label4: TLabel
      Left = 22
      Top = 182
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '4'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo4: TMMCombo
      Left = 22
      Top = 278
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        '+Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte5: TXShape
      Left = 253
      Top = 178
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label5: TLabel
      Left = 259
      Top = 182
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '5'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo5: TMMCombo
      Left = 259
      Top = 278
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        '+Berechnung Anhalteweg')
    end
    object XShapeKarte6: TXShape
      Left = 490
      Top = 178
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label6: TLabel
      Left = 496
      Top = 182
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo6: TMMCombo
      Left = 496
      Top = 278
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        '+Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte7: TXShape
      Left = 16
      Top = 316
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label7: TLabel
      Left = 22
      Top = 320
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '7'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo7: TMMCombo
      Left = 22
      Top = 416
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        'Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        '+Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShapeKarte8: TXShape
      Left = 253
      Top = 316
      Width = 230
      Height = 132
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object Label8: TLabel
      Left = 259
      Top = 320
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '8'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2637000
    end
    object MMCombo8: TMMCombo
      Left = 259
      Top = 416
      Width = 218
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Dreiecksfläche'
        'Rechtecksfläche'
        '+Quaderoberfläche'
        'Rechtecksumfang'
        'Würfelvolumen'
        'Mittelwert aus zwei Zahlen'
        'Mittelwert aus drei Zahlen'
        'Berechnung der Mathenote'
        'Berechnung Anhalteweg')
    end
    object XShape1: TXShape
      Left = 44
      Top = 58
      Width = 80
      Height = 48
      Shape = srRect
      Brush.Color = 10542335
      Pen.Color = 4210752
    end
    object Label9: TLabel
      Left = 44
      Top = 108
      Width = 80
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object Label10: TLabel
      Left = 128
      Top = 72
      Width = 16
      Height = 18
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object MiniHTML3: TMiniHTML
      Left = 152
      Top = 70
      Width = 92
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>2·a + 2·b</B>')
    end
    object XShape2: TXShape
      Left = 273
      Top = 84
      Width = 190
      Height = 3
      Shape = srRect
      Brush.Color = 3158064
      Pen.Color = 3158064
    end
    object XShape3: TXShape
      Left = 293
      Top = 76
      Width = 3
      Height = 19
      Shape = srRect
      Brush.Color = 13137960
      Pen.Color = 13137960
    end
    object XShape4: TXShape
      Left = 433
      Top = 76
      Width = 3
      Height = 19
      Shape = srRect
      Brush.Color = 13137960
      Pen.Color = 13137960
    end
    object XShape5: TXShape
      Left = 359
      Top = 78
      Width = 11
      Height = 15
      Shape = srRect
      Brush.Color = 2637020
      Pen.Color = 2637020
    end
    object Label11: TLabel
      Left = 287
      Top = 56
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object Label12: TLabel
      Left = 427
      Top = 56
      Width = 16
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'y'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object MiniHTML4: TMiniHTML
      Left = 319
      Top = 102
      Width = 130
      Height = 26
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>(x + y) : 2</B>')
    end
    object XPolygon1: TXPolygon
      Left = 514
      Top = 56
      Width = 101
      Height = 51
      Points = (
        '0;1'
        '0,3;0'
        '1;1')
      Brush.Color = 9231520
      EnhancedColor = 9231520
      Pen.Color = 4210752
    end
    object XShape6: TXShape
      Left = 544
      Top = 57
      Width = 1
      Height = 50
      Shape = srRect
      Brush.Color = 0
      Pen.Color = 4210752
      Pen.Style = psDot
    end
    object Label13: TLabel
      Left = 547
      Top = 74
      Width = 14
      Height = 18
      AutoSize = False
      Caption = 'h'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object Label14: TLabel
      Left = 514
      Top = 108
      Width = 101
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'g'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object MiniHTML5: TMiniHTML
      Left = 628
      Top = 70
      Width = 90
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>g · h : 2</B>')
    end
    object MiniHTML6: TMiniHTML
      Left = 40
      Top = 186
      Width = 204
      Height = 86
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        '<B>(2·s + m) : 3</B> <BR>'
        's: Schnitt der Arbeiten <BR>'
        'm: mündliche Note')
    end
    object MiniHTML7: TMiniHTML
      Left = 281
      Top = 186
      Width = 198
      Height = 86
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        '<B>(v:10)·(v:10) + 3·(v:10)</B> <BR>'
        'v: Geschwindigkeit in km/h, <BR>'
        'Ergebnis in Metern')
    end
    object XShape7: TXShape
      Left = 520
      Top = 210
      Width = 53
      Height = 53
      Shape = srRect
      Brush.Color = 7915770
      Pen.Color = 4210752
    end
    object XPolygon2: TXPolygon
      Left = 520
      Top = 192
      Width = 71
      Height = 19
      Points = (
        '0;1'
        '0,257143;0'
        '1;0'
        '0,742857;1')
      Brush.Color = 11200255
      EnhancedColor = 11200255
      Pen.Color = 4210752
    end
    object XPolygon3: TXPolygon
      Left = 572
      Top = 192
      Width = 19
      Height = 71
      Points = (
        '0;0,257143'
        '1;0'
        '1;0,742857'
        '0;1')
      Brush.Color = 5284060
      EnhancedColor = 5284060
      Pen.Color = 4210752
    end
    object Label15: TLabel
      Left = 520
      Top = 258
      Width = 52
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object MiniHTML8: TMiniHTML
      Left = 624
      Top = 214
      Width = 92
      Height = 30
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>a · a · a</B>')
    end
    object MiniHTML9: TMiniHTML
      Left = 44
      Top = 328
      Width = 196
      Height = 80
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        '<B>(a + b + c) : 3</B> <BR>'
        'a, b, c: drei beliebige Zahlen')
    end
    object XShape8: TXShape
      Left = 315
      Top = 338
      Width = 71
      Height = 35
      Shape = srRect
      Brush.Color = 15777430
      Pen.Color = 4210752
    end
    object XPolygon4: TXPolygon
      Left = 315
      Top = 324
      Width = 85
      Height = 15
      Points = (
        '0;1'
        '0,166667;0'
        '1;0'
        '0,833333;1')
      Brush.Color = 16769480
      EnhancedColor = 16769480
      Pen.Color = 4210752
    end
    object XPolygon5: TXPolygon
      Left = 385
      Top = 324
      Width = 15
      Height = 49
      Points = (
        '0;0,291667'
        '1;0'
        '1;0,708333'
        '0;1')
      Brush.Color = 13801070
      EnhancedColor = 13801070
      Pen.Color = 4210752
    end
    object Label16: TLabel
      Left = 315
      Top = 372
      Width = 70
      Height = 14
      Alignment = taCenter
      AutoSize = False
      Caption = 'l'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -14
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object Label17: TLabel
      Left = 403
      Top = 354
      Width = 14
      Height = 16
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -14
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object Label18: TLabel
      Left = 299
      Top = 346
      Width = 12
      Height = 16
      AutoSize = False
      Caption = 'h'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -14
      Font.Style = [fsItalic]
      Font.Color = 3158064
    end
    object MiniHTML10: TMiniHTML
      Left = 281
      Top = 390
      Width = 198
      Height = 24
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        '<CENTER><B>2·(l·b + l·h + b·h)</B>')
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 530
      Top = 360
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
