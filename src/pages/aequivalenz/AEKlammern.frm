object fmAEKlammern: TfmAEKlammern
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16311022
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 6
      Width = 704
      Height = 78
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Klammern auflösen</B><BR>'
        'Steht ein <B>Plus</B> vor der Klammer, lässt du die Klammer einfach weg. Steht ein <B>Minus</B> vor der '
        'Klammer, wird alles abgezogen, was in der Klammer steht. Lässt du diese Klammer weg, kehrst du deshalb '
        '<B>jedes</B> Vorzeichen in der Klammer um: Aus + wird − und aus − wird +.')
    end
    object XShapePlus: TXShape
      Left = 16
      Top = 88
      Width = 346
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object MiniHTML2: TMiniHTML
      Left = 28
      Top = 94
      Width = 326
      Height = 68
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Plus vor der Klammer</B><BR>'
        'a + (b + c) = a + b + c<BR>'
        'a + (b − c) = a + b − c')
    end
    object XShapeMinus: TXShape
      Left = 374
      Top = 88
      Width = 346
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object MiniHTML3: TMiniHTML
      Left = 386
      Top = 94
      Width = 326
      Height = 68
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Minus vor der Klammer</B><BR>'
        'a − (b + c) = a − b <FONT COLOR=C00000><B>−</B><FONT COLOR=000000> c<BR>'
        'a − (b − c) = a − b <FONT COLOR=C00000><B>+</B><FONT COLOR=000000> c')
    end
    object XShapeFehler: TXShape
      Left = 16
      Top = 172
      Width = 704
      Height = 54
      Shape = stRdTextBox
      Brush.Color = 14741759
      Pen.Color = 8421631
    end
    object MiniHTML4: TMiniHTML
      Left = 28
      Top = 178
      Width = 684
      Height = 44
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Vorsicht, häufiger Fehler:</B> 10 − (4 + 3) ist <B>nicht</B> 10 − 4 + 3. '
        'Rechne nach: 10 − (4 + 3) = 10 − 7 = 3, aber 10 − 4 + 3 = 9.')
    end
    object Label5: TLabel
      Left = 16
      Top = 234
      Width = 600
      Height = 22
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'Schreibe die Terme ohne Klammern.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label1: TLabel
      Left = 16
      Top = 262
      Width = 28
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeAufgabe1: TXShape
      Left = 48
      Top = 262
      Width = 230
      Height = 36
      Shape = srRect
      Brush.Color = 16311022
      Pen.Color = 14329120
    end
    object lbAufgabe1: TLabel
      Left = 54
      Top = 262
      Width = 222
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'a − (b + c)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich1: TLabel
      Left = 280
      Top = 262
      Width = 32
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object MMTerm1: TMMTerm
      Left = 314
      Top = 262
      Width = 230
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object Label2: TLabel
      Left = 16
      Top = 304
      Width = 28
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeAufgabe2: TXShape
      Left = 48
      Top = 304
      Width = 230
      Height = 36
      Shape = srRect
      Brush.Color = 16311022
      Pen.Color = 14329120
    end
    object lbAufgabe2: TLabel
      Left = 54
      Top = 304
      Width = 222
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'a + (b − c)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich2: TLabel
      Left = 280
      Top = 304
      Width = 32
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object MMTerm2: TMMTerm
      Left = 314
      Top = 304
      Width = 230
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object Label3: TLabel
      Left = 16
      Top = 346
      Width = 28
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeAufgabe3: TXShape
      Left = 48
      Top = 346
      Width = 230
      Height = 36
      Shape = srRect
      Brush.Color = 16311022
      Pen.Color = 14329120
    end
    object lbAufgabe3: TLabel
      Left = 54
      Top = 346
      Width = 222
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'a − (b − c)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich3: TLabel
      Left = 280
      Top = 346
      Width = 32
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object MMTerm3: TMMTerm
      Left = 314
      Top = 346
      Width = 230
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object Label4: TLabel
      Left = 16
      Top = 388
      Width = 28
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeAufgabe4: TXShape
      Left = 48
      Top = 388
      Width = 230
      Height = 36
      Shape = srRect
      Brush.Color = 16311022
      Pen.Color = 14329120
    end
    object lbAufgabe4: TLabel
      Left = 54
      Top = 388
      Width = 222
      Height = 36
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '10 − (x + 4)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich4: TLabel
      Left = 280
      Top = 388
      Width = 32
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object MMTerm4: TMMTerm
      Left = 314
      Top = 388
      Width = 230
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 560
      Top = 426
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
