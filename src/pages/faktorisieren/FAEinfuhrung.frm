object fmFAEinfuhrung: TfmFAEinfuhrung
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 13168895
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 74
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Einführung</B><BR>'
        'Verschiedene Firmen sollen den Belag einer Autostraße teeren.<BR>'
        'Welche Fläche hat der Belag insgesamt?<BR>'
        'Jede Firma teert ein Teilstück. Wähle unten die Flächen der drei Teilstücke aus.')
    end
    object Label10: TLabel
      Left = 72
      Top = 86
      Width = 610
      Height = 22
      Visible = False
      Alignment = taCenter
      AutoSize = False
      Caption = 'ganze Straße:  b · (x + y + z)'
      Transparent = True
      Font.Color = 1973960
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object XShape1: TXShape
      Left = 56
      Top = 106
      Width = 642
      Height = 120
      Shape = srRect
      Brush.Color = 6338686
      Pen.Style = psClear
    end
    object XShape2: TXShape
      Left = 72
      Top = 124
      Width = 210
      Height = 84
      Shape = srRect
      Brush.Color = 5919828
      Pen.Style = psClear
    end
    object XShape3: TXShape
      Left = 282
      Top = 124
      Width = 150
      Height = 84
      Shape = srRect
      Brush.Color = 6709344
      Pen.Style = psClear
    end
    object XShape4: TXShape
      Left = 432
      Top = 124
      Width = 250
      Height = 84
      Shape = srRect
      Brush.Color = 5393484
      Pen.Style = psClear
    end
    object XShape5: TXShape
      Left = 72
      Top = 118
      Width = 610
      Height = 20
      Shape = srLine
      Pen.Color = clWhite
      Pen.Width = 2
    end
    object XShape6: TXShape
      Left = 72
      Top = 194
      Width = 610
      Height = 20
      Shape = srLine
      Pen.Color = clWhite
      Pen.Width = 2
    end
    object XShape30: TXShape
      Left = 82
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape31: TXShape
      Left = 122
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape32: TXShape
      Left = 162
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape33: TXShape
      Left = 202
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape34: TXShape
      Left = 242
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape35: TXShape
      Left = 282
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape36: TXShape
      Left = 322
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape37: TXShape
      Left = 362
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape38: TXShape
      Left = 402
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape39: TXShape
      Left = 442
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape40: TXShape
      Left = 482
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape41: TXShape
      Left = 522
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape42: TXShape
      Left = 562
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape43: TXShape
      Left = 602
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape44: TXShape
      Left = 642
      Top = 164
      Width = 24
      Height = 4
      Shape = srRect
      Brush.Color = clWhite
      Pen.Style = psClear
    end
    object XShape8: TXShape
      Left = 272
      Top = 124
      Width = 20
      Height = 84
      Shape = srLine
      Rotation = 90
      Pen.Color = 55039
      Pen.Width = 2
    end
    object XShape9: TXShape
      Left = 422
      Top = 124
      Width = 20
      Height = 84
      Shape = srLine
      Rotation = 90
      Pen.Color = 55039
      Pen.Width = 2
    end
    object Label1: TLabel
      Left = 80
      Top = 134
      Width = 80
      Height = 18
      AutoSize = False
      Caption = 'Firma 1'
      Transparent = True
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Tahoma'
    end
    object Label2: TLabel
      Left = 290
      Top = 134
      Width = 80
      Height = 18
      AutoSize = False
      Caption = 'Firma 2'
      Transparent = True
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Tahoma'
    end
    object Label3: TLabel
      Left = 440
      Top = 134
      Width = 80
      Height = 18
      AutoSize = False
      Caption = 'Firma 3'
      Transparent = True
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Tahoma'
    end
    object XShape10: TXShape
      Left = 72
      Top = 230
      Width = 210
      Height = 20
      Shape = srArrow3
      ScaleX = 5
      Pen.Color = 2631720
    end
    object Label4: TLabel
      Left = 72
      Top = 246
      Width = 210
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = 'x'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -19
      Font.Name = 'Tahoma'
      Font.Style = [fsBold, fsItalic]
    end
    object XShape11: TXShape
      Left = 282
      Top = 230
      Width = 150
      Height = 20
      Shape = srArrow3
      ScaleX = 5
      Pen.Color = 2631720
    end
    object Label5: TLabel
      Left = 282
      Top = 246
      Width = 150
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = 'y'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -19
      Font.Name = 'Tahoma'
      Font.Style = [fsBold, fsItalic]
    end
    object XShape12: TXShape
      Left = 432
      Top = 230
      Width = 250
      Height = 20
      Shape = srArrow3
      ScaleX = 5
      Pen.Color = 2631720
    end
    object Label6: TLabel
      Left = 432
      Top = 246
      Width = 250
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = 'z'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -19
      Font.Name = 'Tahoma'
      Font.Style = [fsBold, fsItalic]
    end
    object XShape13: TXShape
      Left = 30
      Top = 124
      Width = 20
      Height = 84
      Shape = srArrow3
      Rotation = 90
      ScaleX = 5
      Pen.Color = 2631720
    end
    object Label7: TLabel
      Left = 8
      Top = 154
      Width = 20
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = 'b'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -19
      Font.Name = 'Tahoma'
      Font.Style = [fsBold, fsItalic]
    end
    object XShape20: TXShape
      Left = 68
      Top = 120
      Width = 618
      Height = 92
      Visible = False
      Shape = srRect
      Brush.Style = bsClear
      Pen.Color = 1973960
      Pen.Width = 3
    end
    object Label8: TLabel
      Left = 64
      Top = 283
      Width = 56
      Height = 28
      AutoSize = False
      Caption = 'F ='
      Transparent = True
      Font.Height = -19
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMCombo1: TMMCombo
      Left = 137
      Top = 282
      Width = 80
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b²' '+bx' 'by' 'bz' 'x²' 'xy' 'xz' 'y²' 'yz' 'z²' )
    end
    object MMCombo2: TMMCombo
      Left = 317
      Top = 282
      Width = 80
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b²' 'bx' '+by' 'bz' 'x²' 'xy' 'xz' 'y²' 'yz' 'z²' )
    end
    object MMCombo3: TMMCombo
      Left = 517
      Top = 282
      Width = 80
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b²' 'bx' 'by' '+bz' 'x²' 'xy' 'xz' 'y²' 'yz' 'z²' )
    end
    object Label9: TLabel
      Left = 255
      Top = 281
      Width = 24
      Height = 28
      Alignment = taCenter
      AutoSize = False
      Caption = '+'
      Transparent = True
      Font.Height = -22
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label12: TLabel
      Left = 445
      Top = 281
      Width = 24
      Height = 28
      Alignment = taCenter
      AutoSize = False
      Caption = '+'
      Transparent = True
      Font.Height = -22
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MiniHTML2: TMiniHTML
      Left = 16
      Top = 320
      Width = 704
      Height = 58
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        'Die drei Teilstücke bilden zusammen ein einziges Rechteck: Es ist <B>b</B> breit und <B>x + y + z</B> lang. Die Fläche kannst du also auch in einem Zug ausrechnen:<BR>'
        '<B>bx + by + bz = F = b·( x + y + z )</B>')
    end
    object Label11: TLabel
      Left = 16
      Top = 380
      Width = 400
      Height = 40
      Visible = False
      AutoSize = False
      Caption = 'Welches Gesetz erhält man, wenn man den Term rückwärts liest?'
      Transparent = True
      WordWrap = True
      Font.Height = -15
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMCombo4: TMMCombo
      Left = 428
      Top = 386
      Width = 326
      Height = 26
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'Kommutativgesetz der Addition' 'Kommutativgesetz der Multiplikation' 'Assoziativgesetz der Addition' 'Assoziativgesetz der Multiplikation' '+Distributivgesetz' )
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 288
      Top = 428
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
