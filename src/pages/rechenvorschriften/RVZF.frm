object fmRVZF: TfmRVZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 140
      Top = 6
      Width = 456
      Height = 60
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Zusammenfassung'
      Font.Color = 5248016
      Font.Height = -30
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
    object lbDatum: TLabel
      Left = 616
      Top = 12
      Width = 104
      Height = 18
      Alignment = taRightJustify
      AutoSize = False
      Caption = '14.6.2000'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 5248016
    end
    object XShapeKarte2: TXShape
      Left = 16
      Top = 80
      Width = 346
      Height = 200
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object MiniHTML1: TMiniHTML
      Left = 28
      Top = 88
      Width = 326
      Height = 110
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Beispiel 1: Fläche eines rechtwinkligen Dreiecks</B> <BR>'
        '<I>„Multipliziere die Länge mit der Breite und teile das Ergebnis durch 2.“</I>')
    end
    object XPolygon1: TXPolygon
      Left = 60
      Top = 196
      Width = 120
      Height = 60
      Points = (
        '0;0'
        '0;1'
        '1;1')
      Brush.Color = 3975935
      EnhancedColor = 3975935
      Pen.Color = 4210752
    end
    object lbLaenge: TLabel
      Left = 60
      Top = 258
      Width = 120
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'Länge'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object lbBreite: TLabel
      Left = 8
      Top = 218
      Width = 48
      Height = 16
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Breite'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 3158064
    end
    object MiniHTML2: TMiniHTML
      Left = 200
      Top = 196
      Width = 156
      Height = 80
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Länge 8 cm, <BR>Breite 4 cm: <BR>8 · 4 = 32 <BR>32 : 2 = 16 <BR>Fläche: <B>16 cm²</B>')
    end
    object XShapeKarte3: TXShape
      Left = 374
      Top = 80
      Width = 346
      Height = 200
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object MiniHTML3: TMiniHTML
      Left = 386
      Top = 88
      Width = 326
      Height = 186
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Beispiel 2: Anhalteweg eines Autos</B> <BR>'
        '<I>„Teile die Geschwindigkeit in km/h durch 10. Rechne dann die erhaltene Zahl mal sich selbst '
        'und, getrennt davon, die erhaltene Zahl mal 3. Addiere die beiden Ergebnisse.“</I> <BR>'
        '50 km/h:  50 : 10 = 5 <BR>'
        '5 · 5 = 25  und  5 · 3 = 15 <BR>'
        '25 + 15 = 40, Anhalteweg: <B>40 m</B>')
    end
    object XShapeKarte4: TXShape
      Left = 16
      Top = 296
      Width = 704
      Height = 108
      Shape = srRect
      Brush.Color = 14153722
      Pen.Color = 14153722
    end
    object MiniHTML4: TMiniHTML
      Left = 30
      Top = 304
      Width = 680
      Height = 96
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines.Strings = (
        '<FONT COLOR=C00000><B>Merke:</B><FONT COLOR=000000> <BR>'
        'Anweisungen, die genau festlegen, wie man aus gegebenen Zahlen Schritt für Schritt ein Ergebnis '
        'berechnet, nennt man <B>Rechenvorschriften</B>. '
        'Dieselbe Rechenvorschrift kann man in Worten, in Zeichen oder als Computerprogramm aufschreiben.')
    end
  end
end
