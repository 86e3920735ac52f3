object fmRVTerm: TfmRVTerm
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
      Height = 84
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Der Term</B> <BR>'
        'Welche Form der Rechenvorschrift ist nun für die Mathematik geeignet? '
        'In jeder Tabelle wird mit verschiedenen Zahlen immer gleich gerechnet. In der untersten Zeile '
        'stehen Buchstaben statt Zahlen. Wähle die passende Rechenvorschrift in der letzten Zelle.')
    end
    object RRGrid1: TRRGrid
      Left = 16
      Top = 100
      Width = 190
      Height = 156
      ColCount = 3
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 62
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Länge</B>'
        '<B>Breite</B>'
        '<B>Höhe</B>'
        '15'
        '24'
        '2'
        '12'
        '7'
        '11'
        '3'
        '4'
        '2'
        '<B>l</B>'
        '<B>b</B>'
        '<B>h</B>')
    end
    object RRGrid2: TRRGrid
      Left = 205
      Top = 100
      Width = 232
      Height = 156
      ColCount = 1
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 230
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Volumen</B>'
        '15·24·2'
        '12·7·11'
        '3·4·2'
        '')
    end
    object MMCombo1: TMMCombo
      Left = 207
      Top = 226
      Width = 228
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        '15·24·2'
        'l+b+h'
        '+l·b·h'
        '(l·b):2'
        'Länge mal Breite mal Höhe')
    end
    object RRGrid3: TRRGrid
      Left = 476
      Top = 100
      Width = 127
      Height = 156
      ColCount = 2
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 62
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Länge</B>'
        '<B>Breite</B>'
        '15'
        '24'
        '12'
        '7'
        '22'
        '12'
        '<B>l</B>'
        '<B>b</B>')
    end
    object RRGrid4: TRRGrid
      Left = 602
      Top = 100
      Width = 142
      Height = 156
      ColCount = 1
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 140
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Dreiecksfläche</B>'
        '(15·24):2'
        '(12·7):2'
        '(22·12):2'
        '')
    end
    object MMCombo2: TMMCombo
      Left = 604
      Top = 226
      Width = 138
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'l·b'
        '(l+b):2'
        '+(l·b):2'
        'l·b·2'
        '(15·24):2')
    end
    object RRGrid5: TRRGrid
      Left = 16
      Top = 272
      Width = 86
      Height = 156
      ColCount = 1
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 84
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Geschw.</B>'
        '20'
        '40'
        '90'
        '<B>v</B>')
    end
    object RRGrid6: TRRGrid
      Left = 101
      Top = 272
      Width = 178
      Height = 156
      ColCount = 1
      RowCount = 5
      FixedCols = 0
      DefaultColWidth = 176
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 6
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        '<B>Anhalteweg</B>'
        '3·(20:10)+(20:10)²'
        '3·(40:10)+(40:10)²'
        '3·(90:10)+(90:10)²'
        '')
    end
    object MMCombo3: TMMCombo
      Left = 103
      Top = 398
      Width = 174
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        '3·v+v²'
        '(v:10)²'
        '+3·(v:10)+(v:10)²'
        '3·(v:10)'
        '3·(20:10)+(20:10)²')
    end
    object MiniHTML2: TMiniHTML
      Left = 292
      Top = 268
      Width = 428
      Height = 66
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        'Richtig! In der Mathematik schreibt man Rechenvorschriften kurz mit Rechenzeichen auf. Statt der Zahlen '
        'setzt man Buchstaben ein. Dann gilt die Vorschrift für alle Zahlen. <I>(Klicke auf Weiter.)</I>')
    end
    object MiniHTML3: TMiniHTML
      Left = 292
      Top = 336
      Width = 428
      Height = 40
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        'Die Buchstaben l, b, h und v sind Platzhalter für Zahlen. Man nennt sie '
        'auch <b>Variablen</b>.')
    end
    object MiniHTML4: TMiniHTML
      Left = 292
      Top = 378
      Width = 428
      Height = 40
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines.Strings = (
        'Eine Rechenvorschrift wie l·b·h, die aus Zahlen, Variablen, Rechenzeichen und Klammern '
        'besteht, nennt man <b>Term</b>.')
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 560
      Top = 424
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
