object fmAERechengesetze: TfmAERechengesetze
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
      Height = 24
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Rechengesetze</B>  Diese Gesetze gelten für alle Zahlen, die du für a, b und c einsetzt.')
    end
    object XShapeKarte1: TXShape
      Left = 16
      Top = 34
      Width = 228
      Height = 176
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGesetz1: TLabel
      Left = 24
      Top = 40
      Width = 212
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'Kommutativgesetz'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object MiniHTML2: TMiniHTML
      Left = 24
      Top = 64
      Width = 212
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<CENTER>a + b = b + a<BR></CENTER><CENTER>a · b = b · a<BR></CENTER>')
    end
    object lbDeutsch1: TLabel
      Left = 24
      Top = 184
      Width = 212
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = '(Vertauschungsgesetz)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 8421504
    end
    object XShapeKarte2: TXShape
      Left = 254
      Top = 34
      Width = 228
      Height = 176
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGesetz2: TLabel
      Left = 262
      Top = 40
      Width = 212
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'Assoziativgesetz'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object MiniHTML3: TMiniHTML
      Left = 262
      Top = 64
      Width = 212
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<CENTER>(a + b) + c = a + (b + c)<BR></CENTER><CENTER>(a · b) · c = a · (b · c)<BR></CENTER>')
    end
    object lbDeutsch2: TLabel
      Left = 262
      Top = 184
      Width = 212
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = '(Verbindungsgesetz)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 8421504
    end
    object XShapeKarte3: TXShape
      Left = 492
      Top = 34
      Width = 228
      Height = 176
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGesetz3: TLabel
      Left = 500
      Top = 40
      Width = 212
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'Distributivgesetz'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object MiniHTML4: TMiniHTML
      Left = 500
      Top = 64
      Width = 212
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<CENTER>a · (b + c) = a · b + a · c<BR></CENTER>')
    end
    object lbDeutsch3: TLabel
      Left = 500
      Top = 184
      Width = 212
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = '(Verteilungsgesetz)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 8421504
    end
    object XShapeKA1: TXShape
      Left = 56
      Top = 114
      Width = 60
      Height = 22
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object XShapeKB1: TXShape
      Left = 115
      Top = 114
      Width = 90
      Height = 22
      Shape = srRect
      Brush.Color = 10414079
      Pen.Color = 5263440
    end
    object XShapeKB2: TXShape
      Left = 56
      Top = 146
      Width = 90
      Height = 22
      Shape = srRect
      Brush.Color = 10414079
      Pen.Color = 5263440
    end
    object XShapeKA2: TXShape
      Left = 145
      Top = 146
      Width = 60
      Height = 22
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object lbKA1: TLabel
      Left = 56
      Top = 114
      Width = 60
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbKB1: TLabel
      Left = 115
      Top = 114
      Width = 90
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbKB2: TLabel
      Left = 56
      Top = 146
      Width = 90
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbKA2: TLabel
      Left = 145
      Top = 146
      Width = 60
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object XShapeAA1: TXShape
      Left = 290
      Top = 114
      Width = 40
      Height = 22
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object XShapeAB1: TXShape
      Left = 329
      Top = 114
      Width = 50
      Height = 22
      Shape = srRect
      Brush.Color = 10414079
      Pen.Color = 5263440
    end
    object XShapeAC1: TXShape
      Left = 391
      Top = 114
      Width = 60
      Height = 22
      Shape = srRect
      Brush.Color = 12644544
      Pen.Color = 5263440
    end
    object XShapeAA2: TXShape
      Left = 290
      Top = 146
      Width = 40
      Height = 22
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object XShapeAB2: TXShape
      Left = 342
      Top = 146
      Width = 50
      Height = 22
      Shape = srRect
      Brush.Color = 10414079
      Pen.Color = 5263440
    end
    object XShapeAC2: TXShape
      Left = 391
      Top = 146
      Width = 60
      Height = 22
      Shape = srRect
      Brush.Color = 12644544
      Pen.Color = 5263440
    end
    object lbAA1: TLabel
      Left = 290
      Top = 114
      Width = 40
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbAB1: TLabel
      Left = 329
      Top = 114
      Width = 50
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbAC1: TLabel
      Left = 391
      Top = 114
      Width = 60
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbAA2: TLabel
      Left = 290
      Top = 146
      Width = 40
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbAB2: TLabel
      Left = 342
      Top = 146
      Width = 50
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbAC2: TLabel
      Left = 391
      Top = 146
      Width = 60
      Height = 22
      Alignment = taCenter
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object XShapeDB: TXShape
      Left = 546
      Top = 124
      Width = 90
      Height = 48
      Shape = srRect
      Brush.Color = 16763080
      Pen.Color = 5263440
    end
    object XShapeDC: TXShape
      Left = 635
      Top = 124
      Width = 56
      Height = 48
      Shape = srRect
      Brush.Color = 12644544
      Pen.Color = 5263440
    end
    object lbDAB: TLabel
      Left = 546
      Top = 124
      Width = 90
      Height = 48
      Alignment = taCenter
      AutoSize = False
      Caption = 'a · b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object lbDAC: TLabel
      Left = 635
      Top = 124
      Width = 56
      Height = 48
      Alignment = taCenter
      AutoSize = False
      Caption = 'a · c'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object lbDB: TLabel
      Left = 546
      Top = 104
      Width = 90
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbDC: TLabel
      Left = 635
      Top = 104
      Width = 56
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object lbDA: TLabel
      Left = 524
      Top = 124
      Width = 18
      Height = 48
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Times New Roman'
      Font.Height = -15
      Font.Style = [fsItalic]
    end
    object Label6: TLabel
      Left = 16
      Top = 214
      Width = 600
      Height = 22
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'Welches Gesetz wurde hier angewendet? Wähle aus.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label1: TLabel
      Left = 16
      Top = 242
      Width = 28
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeGl1: TXShape
      Left = 48
      Top = 242
      Width = 250
      Height = 30
      Shape = srRect
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGleichung1: TLabel
      Left = 52
      Top = 242
      Width = 242
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '3 + x = x + 3'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo1: TMMCombo
      Left = 308
      Top = 244
      Width = 330
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( '+Kommutativgesetz der Addition' 'Kommutativgesetz der Multiplikation' 'Assoziativgesetz der Addition' 'Assoziativgesetz der Multiplikation' 'Distributivgesetz' )
    end
    object Label2: TLabel
      Left = 16
      Top = 278
      Width = 28
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeGl2: TXShape
      Left = 48
      Top = 278
      Width = 250
      Height = 30
      Shape = srRect
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGleichung2: TLabel
      Left = 52
      Top = 278
      Width = 242
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '(2 · a) · b = 2 · (a · b)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo2: TMMCombo
      Left = 308
      Top = 280
      Width = 330
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'Kommutativgesetz der Addition' 'Kommutativgesetz der Multiplikation' 'Assoziativgesetz der Addition' '+Assoziativgesetz der Multiplikation' 'Distributivgesetz' )
    end
    object Label3: TLabel
      Left = 16
      Top = 314
      Width = 28
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeGl3: TXShape
      Left = 48
      Top = 314
      Width = 250
      Height = 30
      Shape = srRect
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGleichung3: TLabel
      Left = 52
      Top = 314
      Width = 242
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '4 · (x + y) = 4 · x + 4 · y'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo3: TMMCombo
      Left = 308
      Top = 316
      Width = 330
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'Kommutativgesetz der Addition' 'Kommutativgesetz der Multiplikation' 'Assoziativgesetz der Addition' 'Assoziativgesetz der Multiplikation' '+Distributivgesetz' )
    end
    object Label4: TLabel
      Left = 16
      Top = 350
      Width = 28
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeGl4: TXShape
      Left = 48
      Top = 350
      Width = 250
      Height = 30
      Shape = srRect
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGleichung4: TLabel
      Left = 52
      Top = 350
      Width = 242
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'a · 7 = 7 · a'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo4: TMMCombo
      Left = 308
      Top = 352
      Width = 330
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'Kommutativgesetz der Addition' '+Kommutativgesetz der Multiplikation' 'Assoziativgesetz der Addition' 'Assoziativgesetz der Multiplikation' 'Distributivgesetz' )
    end
    object Label5: TLabel
      Left = 16
      Top = 386
      Width = 28
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '5.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object XShapeGl5: TXShape
      Left = 48
      Top = 386
      Width = 250
      Height = 30
      Shape = srRect
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object lbGleichung5: TLabel
      Left = 52
      Top = 386
      Width = 242
      Height = 30
      Alignment = taLeftJustify
      AutoSize = False
      Caption = '(a + 2) + b = a + (2 + b)'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo5: TMMCombo
      Left = 308
      Top = 388
      Width = 330
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'Kommutativgesetz der Addition' 'Kommutativgesetz der Multiplikation' '+Assoziativgesetz der Addition' 'Assoziativgesetz der Multiplikation' 'Distributivgesetz' )
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 556
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
