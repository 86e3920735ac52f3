object fmRVZF2: TfmRVZF2
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
      Width = 704
      Height = 190
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object MiniHTML1: TMiniHTML
      Left = 28
      Top = 88
      Width = 380
      Height = 176
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Von Zahlen zu Buchstaben</B> <BR>'
        'Für jedes rechtwinklige Dreieck rechnet man gleich: Länge mal Breite, das Ergebnis durch 2. '
        'Setzt man statt der Zahlen Buchstaben ein, dann gilt die Rechenvorschrift für <B>alle</B> '
        'Dreiecke dieser Art: <BR>'
        '<B>l</B> steht für die Länge, <B>b</B> für die Breite.')
    end
    object RRGrid1: TRRGrid
      Left = 424
      Top = 100
      Width = 286
      Height = 125
      ColCount = 3
      RowCount = 4
      FixedCols = 0
      DefaultColWidth = 94
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 10
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -15
      Cells.Strings = (
        'Länge'
        'Breite'
        'Fläche'
        '10'
        '15'
        '75'
        '4'
        '7'
        '14'
        '<B>l</B>'
        '<B>b</B>'
        '<B>(l·b) : 2</B>')
    end
    object MiniHTML2: TMiniHTML
      Left = 424
      Top = 234
      Width = 290
      Height = 30
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '10 · 15 : 2 = 75   und   4 · 7 : 2 = 14')
    end
    object XShapeKarte3: TXShape
      Left = 16
      Top = 284
      Width = 704
      Height = 130
      Shape = srRect
      Brush.Color = 14153722
      Pen.Color = 14153722
    end
    object MiniHTML3: TMiniHTML
      Left = 30
      Top = 292
      Width = 680
      Height = 120
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines.Strings = (
        '<FONT COLOR=C00000><B>Merke:</B><FONT COLOR=000000> <BR>'
        'Buchstaben, die in einer Rechenvorschrift als Platzhalter für Zahlen stehen, nennt man <B>Variablen</B>. <BR>'
        'Eine Rechenvorschrift, die aus Zahlen, Variablen, Rechenzeichen und Klammern besteht, nennt man <B>Term</B>. <BR>'
        'Beispiele für Terme: (l·b) : 2,  l·b·h  und  3·(v:10) + (v:10)²')
    end
  end
end
