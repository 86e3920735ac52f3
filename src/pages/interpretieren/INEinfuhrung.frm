object fmINEinfuhrung: TfmINEinfuhrung
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 6
      Width = 704
      Height = 88
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Terme in der Geometrie</B><BR>'
        'Die Figur links besteht aus fünf Teilflächen. Die Ecke rechts oben, die ihr fehlt, ist ein '
        'Quadrat. Rechts steht ein Term. Welche Teilflächen haben zusammen genau den Flächeninhalt, '
        'den der Term beschreibt? Markiere sie: Ein Klick färbt eine weiße Fläche blau, ein zweiter '
        'Klick macht sie wieder weiß. Klicke dann auf <B>Weiter</B>. Ist deine Markierung richtig, '
        'erscheint der nächste Term.')
    end
    object XPolygon1: TXPolygon
      Left = 232
      Top = 198
      Width = 81
      Height = 101
      Points.Strings = (
        '0;0'
        '1;1'
        '0;1')
      Brush.Color = clWhite
      Pen.Color = clBlack
      EnhancedColor = 16744448
      OnClick = XPolygon2Click
    end
    object XPolygon2: TXPolygon
      Left = 72
      Top = 198
      Width = 161
      Height = 101
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1')
      Brush.Color = clWhite
      Pen.Color = clBlack
      EnhancedColor = 16744448
      OnClick = XPolygon2Click
    end
    object XPolygon3: TXPolygon
      Left = 72
      Top = 118
      Width = 161
      Height = 81
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1'
        '0;1')
      Brush.Color = clWhite
      Pen.Color = clBlack
      EnhancedColor = 16744448
      OnClick = XPolygon2Click
    end
    object XPolygon4: TXPolygon
      Left = 72
      Top = 298
      Width = 161
      Height = 101
      Points.Strings = (
        '0;0'
        '1;0'
        '0;1')
      Brush.Color = clWhite
      Pen.Color = clBlack
      EnhancedColor = 16744448
      OnClick = XPolygon2Click
    end
    object XPolygon5: TXPolygon
      Left = 232
      Top = 198
      Width = 81
      Height = 101
      Points.Strings = (
        '0;0'
        '1;0'
        '1;1')
      Brush.Color = clWhite
      Pen.Color = clBlack
      EnhancedColor = 16744448
      OnClick = XPolygon2Click
    end
    object Label1: TLabel
      Left = 142
      Top = 92
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'a'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label2: TLabel
      Left = 262
      Top = 300
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label3: TLabel
      Left = 48
      Top = 145
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'd'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label4: TLabel
      Left = 48
      Top = 235
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label5: TLabel
      Left = 48
      Top = 335
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'c'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label7: TLabel
      Left = 236
      Top = 146
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'd'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label8: TLabel
      Left = 262
      Top = 172
      Width = 20
      Height = 26
      Alignment = taCenter
      AutoSize = False
      Caption = 'd'
      Transparent = True
      Font.Name = 'Times New Roman'
      Font.Height = -20
      Font.Style = [fsItalic]
    end
    object Label6: TLabel
      Left = 370
      Top = 84
      Width = 100
      Height = 26
      Alignment = taLeftJustify
      AutoSize = False
      Caption = 'Terme:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label21: TLabel
      Left = 380
      Top = 121
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm1: TMMTerm
      Left = 410
      Top = 112
      Width = 236
      Height = 38
      Caption = 'a*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label11: TLabel
      Left = 654
      Top = 116
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label22: TLabel
      Left = 380
      Top = 164
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm2: TMMTerm
      Left = 410
      Top = 155
      Width = 236
      Height = 38
      Caption = 'a*c/2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label12: TLabel
      Left = 654
      Top = 159
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label23: TLabel
      Left = 380
      Top = 207
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm3: TMMTerm
      Left = 410
      Top = 198
      Width = 236
      Height = 38
      Caption = '(a+b/2)*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label13: TLabel
      Left = 654
      Top = 202
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label24: TLabel
      Left = 380
      Top = 250
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm4: TMMTerm
      Left = 410
      Top = 241
      Width = 236
      Height = 38
      Caption = 'b*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label14: TLabel
      Left = 654
      Top = 245
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label25: TLabel
      Left = 380
      Top = 293
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '5.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm5: TMMTerm
      Left = 410
      Top = 284
      Width = 236
      Height = 38
      Caption = '(a+b)*(c+d)-0,5*b*c-d^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label15: TLabel
      Left = 654
      Top = 288
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label26: TLabel
      Left = 380
      Top = 336
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '6.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm6: TMMTerm
      Left = 410
      Top = 327
      Width = 236
      Height = 38
      Caption = '1/2*(a+b)*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label16: TLabel
      Left = 654
      Top = 331
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object Label27: TLabel
      Left = 380
      Top = 379
      Width = 24
      Height = 20
      Alignment = taRightJustify
      AutoSize = False
      Caption = '7.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm7: TMMTerm
      Left = 410
      Top = 370
      Width = 236
      Height = 38
      Caption = 'a*(2*c+d)-(a*c)/2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object Label17: TLabel
      Left = 654
      Top = 374
      Width = 30
      Height = 30
      AutoSize = False
      Caption = '✓'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 32768
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 420
      Width = 150
      Height = 48
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
