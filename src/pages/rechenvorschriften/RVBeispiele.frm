object fmRVBeispiele: TfmRVBeispiele
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
      Width = 276
      Height = 130
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Beispiele</B> <BR>'
        'Rechts siehst du verschiedene Formen der gleichen Rechenvorschrift. '
        'Was kannst du mit dieser Vorschrift berechnen?')
    end
    object MMCombo1: TMMCombo
      Left = 16
      Top = 112
      Width = 276
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'Den Flächeninhalt eines Rechtecks.'
        '+Das Volumen eines Quaders.'
        'Den Umfang eines Dreiecks.'
        'Die Oberfläche eines Quaders.'
        'Den Anhalteweg eines Autos.'
        'Den Mittelwert aus drei Zahlen.'
        'Die Summe aus drei Zahlen.'
        'Den Flächeninhalt eines Dreiecks.')
    end
    object lbOrdne: TLabel
      Left = 16
      Top = 156
      Width = 284
      Height = 20
      AutoSize = False
      Caption = 'Ordne den jeweiligen Buchstaben zu:'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 8388608
    end
    object XShapeKarte9: TXShape
      Left = 12
      Top = 182
      Width = 284
      Height = 239
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
      Visible = False
    end
    object lbKontext1: TLabel
      Left = 16
      Top = 191
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Textaufgabe'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo2: TMMCombo
      Left = 228
      Top = 188
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        'B'
        'C'
        'D'
        'E'
        '+F'
        'G')
    end
    object lbKontext2: TLabel
      Left = 16
      Top = 224
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Rätselaufgabe'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo3: TMMCombo
      Left = 228
      Top = 221
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        'B'
        'C'
        'D'
        'E'
        'F'
        '+G')
    end
    object lbKontext3: TLabel
      Left = 16
      Top = 257
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Erklärung am Bau'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo4: TMMCombo
      Left = 228
      Top = 254
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        '+B'
        'C'
        'D'
        'E'
        'F'
        'G')
    end
    object lbKontext4: TLabel
      Left = 16
      Top = 290
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Taschenrechner'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo5: TMMCombo
      Left = 228
      Top = 287
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        'B'
        'C'
        'D'
        '+E'
        'F'
        'G')
    end
    object lbKontext5: TLabel
      Left = 16
      Top = 323
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Computer-Maschinensprache'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo6: TMMCombo
      Left = 228
      Top = 320
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        'B'
        '+C'
        'D'
        'E'
        'F'
        'G')
    end
    object lbKontext6: TLabel
      Left = 16
      Top = 356
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Computer-Programm'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo7: TMMCombo
      Left = 228
      Top = 353
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        '+A'
        'B'
        'C'
        'D'
        'E'
        'F'
        'G')
    end
    object lbKontext7: TLabel
      Left = 16
      Top = 389
      Width = 208
      Height = 20
      AutoSize = False
      Caption = 'Mathem. Formulierung'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object MMCombo8: TMMCombo
      Left = 228
      Top = 386
      Width = 58
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Items.Strings = (
        'A'
        'B'
        'C'
        '+D'
        'E'
        'F'
        'G')
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 142
      Top = 428
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
    object XShapeKarte2: TXShape
      Left = 304
      Top = 8
      Width = 204
      Height = 112
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeA: TXShape
      Left = 310
      Top = 14
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 3952870
      Pen.Color = 3952870
      Description = True
      Caption = 'A'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormA: TLabel
      Left = 344
      Top = 48
      Width = 156
      Height = 28
      AutoSize = False
      Caption = 'x * y * z'
      Transparent = True
      Font.Name = 'Courier New'
      Font.Height = -20
      Font.Style = [fsBold]
    end
    object XShapeKarte3: TXShape
      Left = 516
      Top = 8
      Width = 204
      Height = 112
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeB: TXShape
      Left = 522
      Top = 14
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 2004720
      Pen.Color = 2004720
      Description = True
      Caption = 'B'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormB: TLabel
      Left = 556
      Top = 12
      Width = 158
      Height = 104
      AutoSize = False
      Caption = '„Schau her: D’ Läng mal d’ Breitn, und des nachad no amoi mal d’ Höh. Dann woaßt, wia vui neigeht!“'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsItalic]
    end
    object XShapeKarte4: TXShape
      Left = 304
      Top = 128
      Width = 204
      Height = 104
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeC: TXShape
      Left = 310
      Top = 134
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 3970620
      Pen.Color = 3970620
      Description = True
      Caption = 'C'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormC: TLabel
      Left = 352
      Top = 131
      Width = 120
      Height = 104
      AutoSize = False
      Caption = 'push ax'#10'push bx'#10'mul'#10'push cx'#10'mul'#10'pop ax'
      Transparent = True
      Font.Name = 'Courier New'
      Font.Height = -14
    end
    object XShapeKarte5: TXShape
      Left = 516
      Top = 128
      Width = 204
      Height = 104
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeD: TXShape
      Left = 522
      Top = 134
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 13137960
      Pen.Color = 13137960
      Description = True
      Caption = 'D'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormD: TLabel
      Left = 556
      Top = 160
      Width = 156
      Height = 36
      AutoSize = False
      Caption = 'a · b · c'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -26
      Font.Style = [fsItalic]
    end
    object XShapeKarte6: TXShape
      Left = 304
      Top = 240
      Width = 416
      Height = 56
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeE: TXShape
      Left = 310
      Top = 246
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 12472450
      Pen.Color = 12472450
      Description = True
      Caption = 'E'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object PanelTaste1: TPanel
      Left = 350
      Top = 252
      Width = 58
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = 'Länge'
      Color = 15131105
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object PanelTaste2: TPanel
      Left = 416
      Top = 252
      Width = 30
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = '×'
      Color = 7913210
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object PanelTaste3: TPanel
      Left = 454
      Top = 252
      Width = 58
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = 'Breite'
      Color = 15131105
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object PanelTaste4: TPanel
      Left = 520
      Top = 252
      Width = 30
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = '×'
      Color = 7913210
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object PanelTaste5: TPanel
      Left = 558
      Top = 252
      Width = 54
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = 'Höhe'
      Color = 15131105
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object PanelTaste6: TPanel
      Left = 620
      Top = 252
      Width = 30
      Height = 32
      BevelOuter = bvRaised
      BevelWidth = 2
      Caption = '='
      Color = 7913210
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 2105376
    end
    object XShapeKarte7: TXShape
      Left = 304
      Top = 304
      Width = 204
      Height = 116
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeF: TXShape
      Left = 310
      Top = 310
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 9190600
      Pen.Color = 9190600
      Description = True
      Caption = 'F'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormF: TLabel
      Left = 344
      Top = 310
      Width = 158
      Height = 110
      AutoSize = False
      Caption = '„Multipliziere die Länge mit der Breite und das Ergebnis mit der Höhe!“'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object XShapeKarte8: TXShape
      Left = 516
      Top = 304
      Width = 204
      Height = 116
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object XShapeBuchstabeG: TXShape
      Left = 522
      Top = 310
      Width = 28
      Height = 28
      Shape = stTextCircle
      Brush.Color = 9866260
      Pen.Color = 9866260
      Description = True
      Caption = 'G'
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = clWhite
    end
    object lbFormG: TLabel
      Left = 552
      Top = 340
      Width = 164
      Height = 40
      AutoSize = False
      Caption = '↔ · ↗ · ↕'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -28
      Font.Color = 7234580
    end
  end
end
