object fmFAGliederung: TfmFAGliederung
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
      Height = 54
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Gliederung</B><BR>'
        'Vergleiche die beiden Terme in ihrer Struktur: Wähle in jedem Knoten die Rechenart aus und in jedem Blatt die Variable.')
    end
    object Label1: TLabel
      Left = 8
      Top = 66
      Width = 440
      Height = 28
      Alignment = taCenter
      AutoSize = False
      Caption = 'bx + by + bz'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -20
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 456
      Top = 66
      Width = 272
      Height = 28
      Alignment = taCenter
      AutoSize = False
      Caption = 'b·(x + y + z)'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -20
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object XShape1: TXShape
      Left = 442
      Top = 70
      Width = 20
      Height = 236
      Shape = srLine
      Rotation = 90
      Pen.Color = 8421504
      Pen.Style = psDot
    end
    object XShape101: TXShape
      Left = 80
      Top = 117
      Width = 149
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape102: TXShape
      Left = 218
      Top = 117
      Width = 20
      Height = 81
      Shape = srLine
      Rotation = 90
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape103: TXShape
      Left = 228
      Top = 117
      Width = 149
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape104: TXShape
      Left = 48
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape105: TXShape
      Left = 80
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape106: TXShape
      Left = 196
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape107: TXShape
      Left = 228
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape108: TXShape
      Left = 344
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape109: TXShape
      Left = 376
      Top = 197
      Width = 33
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape110: TXShape
      Left = 490
      Top = 117
      Width = 73
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape111: TXShape
      Left = 562
      Top = 117
      Width = 73
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape112: TXShape
      Left = 574
      Top = 197
      Width = 61
      Height = 81
      Shape = srLine
      Rotation = 135
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape113: TXShape
      Left = 624
      Top = 197
      Width = 20
      Height = 81
      Shape = srLine
      Rotation = 90
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape114: TXShape
      Left = 634
      Top = 197
      Width = 61
      Height = 81
      Shape = srLine
      Rotation = 45
      ScaleY = 1.414213562373095
      Pen.Color = 6316128
      Pen.Width = 2
    end
    object XShape2: TXShape
      Left = 160
      Top = 94
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape3: TXShape
      Left = 12
      Top = 174
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape4: TXShape
      Left = 160
      Top = 174
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape5: TXShape
      Left = 308
      Top = 174
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape6: TXShape
      Left = 17
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape7: TXShape
      Left = 81
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape8: TXShape
      Left = 165
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape9: TXShape
      Left = 229
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape10: TXShape
      Left = 313
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape11: TXShape
      Left = 377
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape12: TXShape
      Left = 494
      Top = 94
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape13: TXShape
      Left = 459
      Top = 175
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape14: TXShape
      Left = 566
      Top = 174
      Width = 136
      Height = 46
      Shape = shEllipse
      Brush.Color = 16769742
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape15: TXShape
      Left = 543
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape16: TXShape
      Left = 603
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object XShape17: TXShape
      Left = 663
      Top = 255
      Width = 62
      Height = 44
      Shape = shEllipse
      Brush.Color = 12907220
      Color2 = 10526880
      Pen.Color = 8421504
      ScaleX = 3
      ScaleY = 3
    end
    object MMCombo1: TMMCombo
      Left = 175
      Top = 103
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+Summe' 'Differenz' 'Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo2: TMMCombo
      Left = 27
      Top = 183
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'Summe' 'Differenz' '+Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo3: TMMCombo
      Left = 175
      Top = 183
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'Summe' 'Differenz' '+Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo4: TMMCombo
      Left = 323
      Top = 183
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'Summe' 'Differenz' '+Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo5: TMMCombo
      Left = 23
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+b' 'x' 'y' 'z' )
    end
    object MMCombo6: TMMCombo
      Left = 87
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' '+x' 'y' 'z' )
    end
    object MMCombo7: TMMCombo
      Left = 171
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+b' 'x' 'y' 'z' )
    end
    object MMCombo8: TMMCombo
      Left = 235
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' 'x' '+y' 'z' )
    end
    object MMCombo9: TMMCombo
      Left = 319
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+b' 'x' 'y' 'z' )
    end
    object MMCombo10: TMMCombo
      Left = 383
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' 'x' 'y' '+z' )
    end
    object MMCombo11: TMMCombo
      Left = 509
      Top = 103
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'Summe' 'Differenz' '+Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo12: TMMCombo
      Left = 465
      Top = 183
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+b' 'x' 'y' 'z' )
    end
    object MMCombo13: TMMCombo
      Left = 581
      Top = 183
      Width = 104
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+Summe' 'Differenz' 'Produkt' 'Quotient' 'Potenz' )
    end
    object MMCombo14: TMMCombo
      Left = 549
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' '+x' 'y' 'z' )
    end
    object MMCombo15: TMMCombo
      Left = 609
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' 'x' '+y' 'z' )
    end
    object MMCombo16: TMMCombo
      Left = 669
      Top = 263
      Width = 48
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( 'b' 'x' 'y' '+z' )
    end
    object MiniHTML2: TMiniHTML
      Left = 16
      Top = 318
      Width = 704
      Height = 64
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines.Strings = (
        'Wie du siehst, besteht der rechte Term, obwohl er dasselbe '
        'berechnet, aus weniger Verzweigungen und Blättern. <br>'
        'Das kann in vielen Situationen sehr nützlich sein.')
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
