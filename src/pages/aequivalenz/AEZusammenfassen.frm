object fmAEZusammenfassen: TfmAEZusammenfassen
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
      Height = 58
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Zusammenfassen</B><BR>'
        'Terme mit denselben Variablen und Exponenten heißen <B>gleichartig</B>. Du fasst sie zusammen, '
        'indem du ihre Zahlen addierst oder subtrahierst.')
    end
    object XShapeKarte: TXShape
      Left = 16
      Top = 68
      Width = 704
      Height = 130
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object XShapeX1: TXShape
      Left = 44
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX1: TLabel
      Left = 44
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX2: TXShape
      Left = 74
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX2: TLabel
      Left = 74
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX3: TXShape
      Left = 104
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX3: TLabel
      Left = 104
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object lbGruppe1: TLabel
      Left = 44
      Top = 108
      Width = 86
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '3x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object lbZeichen1: TLabel
      Left = 134
      Top = 80
      Width = 34
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = '+'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Style = [fsBold]
    end
    object XShapeX4: TXShape
      Left = 172
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX4: TLabel
      Left = 172
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX5: TXShape
      Left = 202
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX5: TLabel
      Left = 202
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX6: TXShape
      Left = 232
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX6: TLabel
      Left = 232
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX7: TXShape
      Left = 262
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX7: TLabel
      Left = 262
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX8: TXShape
      Left = 292
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX8: TLabel
      Left = 292
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object lbGruppe2: TLabel
      Left = 172
      Top = 108
      Width = 146
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '5x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object lbZeichen2: TLabel
      Left = 322
      Top = 80
      Width = 34
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Style = [fsBold]
    end
    object XShapeX9: TXShape
      Left = 360
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX9: TLabel
      Left = 360
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX10: TXShape
      Left = 390
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX10: TLabel
      Left = 390
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX11: TXShape
      Left = 420
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX11: TLabel
      Left = 420
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX12: TXShape
      Left = 450
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX12: TLabel
      Left = 450
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX13: TXShape
      Left = 480
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX13: TLabel
      Left = 480
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX14: TXShape
      Left = 510
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX14: TLabel
      Left = 510
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX15: TXShape
      Left = 540
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX15: TLabel
      Left = 540
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object XShapeX16: TXShape
      Left = 570
      Top = 80
      Width = 26
      Height = 26
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbXShapeX16: TLabel
      Left = 570
      Top = 78
      Width = 26
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -18
      Font.Style = [fsItalic]
    end
    object lbGruppe3: TLabel
      Left = 360
      Top = 108
      Width = 236
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '8x'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object MiniHTML2: TMiniHTML
      Left = 28
      Top = 138
      Width = 684
      Height = 58
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '4a und 2b sind nicht gleichartig: 4a + 2b lässt sich nicht kürzer schreiben.<BR>'
        'In einem Produkt multiplizierst du die Zahlen und schreibst gleiche Variablen als Potenz:<BR>'
        '2 · a · 3 · a = 2 · 3 · a · a = 6a².')
    end
    object Label6: TLabel
      Left = 16
      Top = 204
      Width = 600
      Height = 22
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'Schreibe jeden Term so kurz wie möglich.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label1: TLabel
      Left = 16
      Top = 230
      Width = 28
      Height = 34
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm11: TMMTerm
      Left = 48
      Top = 230
      Width = 230
      Height = 34
      Caption = '3*x+5*x'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich1: TLabel
      Left = 280
      Top = 230
      Width = 32
      Height = 34
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
      Top = 230
      Width = 230
      Height = 34
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
      Top = 269
      Width = 28
      Height = 34
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm12: TMMTerm
      Left = 48
      Top = 269
      Width = 230
      Height = 34
      Caption = '4*a+2*b-a'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich2: TLabel
      Left = 280
      Top = 269
      Width = 32
      Height = 34
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
      Top = 269
      Width = 230
      Height = 34
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
      Top = 308
      Width = 28
      Height = 34
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm13: TMMTerm
      Left = 48
      Top = 308
      Width = 230
      Height = 34
      Caption = 'x*x*x'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich3: TLabel
      Left = 280
      Top = 308
      Width = 32
      Height = 34
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
      Top = 308
      Width = 230
      Height = 34
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
      Top = 347
      Width = 28
      Height = 34
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm14: TMMTerm
      Left = 48
      Top = 347
      Width = 230
      Height = 34
      Caption = '2*a*3*a'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich4: TLabel
      Left = 280
      Top = 347
      Width = 32
      Height = 34
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
      Top = 347
      Width = 230
      Height = 34
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object Label5: TLabel
      Left = 16
      Top = 386
      Width = 28
      Height = 34
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '5.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm15: TMMTerm
      Left = 48
      Top = 386
      Width = 230
      Height = 34
      Caption = '5*y-2*y+y+3'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbGleich5: TLabel
      Left = 280
      Top = 386
      Width = 32
      Height = 34
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object MMTerm5: TMMTerm
      Left = 314
      Top = 386
      Width = 230
      Height = 34
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
