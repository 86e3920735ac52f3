object fmINfarben: TfmINfarben
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
      Height = 100
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Farben als Zahlen</B><BR>'
        'Der Bildschirm mischt jede Farbe aus Rot, Grün und Blau. Jeder Anteil ist eine ganze Zahl '
        'von 0 (nichts davon) bis 255 (volle Stärke): r für Rot, g für Grün und b für Blau. Der '
        'Computer merkt sich die ganze Farbe als eine einzige Zahl: <B>r + 256·g + 65536·b</B>.<BR>'
        'Welche Zahl gehört zu welcher Farbe? Schreibe sie in das Feld unter der Farbe und klicke '
        'dann auf <B>Weiter</B>. In der Probierstation kannst du jede Zahl ausprobieren.')
    end
    object XShape1: TXShape
      Left = 18
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 0
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label1: TLabel
      Left = 18
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'schwarz'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit1: TMaskEdit
      Left = 18
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 0
    end
    object XShape2: TXShape
      Left = 136
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 255
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label2: TLabel
      Left = 136
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'rot'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit2: TMaskEdit
      Left = 136
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 1
    end
    object XShape3: TXShape
      Left = 254
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 65280
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label3: TLabel
      Left = 254
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'hellgrün'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit3: TMaskEdit
      Left = 254
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 2
    end
    object XShape4: TXShape
      Left = 372
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 16711680
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label4: TLabel
      Left = 372
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'blau'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit4: TMaskEdit
      Left = 372
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 3
    end
    object XShape5: TXShape
      Left = 490
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 65535
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label5: TLabel
      Left = 490
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'gelb'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit5: TMaskEdit
      Left = 490
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 4
    end
    object XShape6: TXShape
      Left = 608
      Top = 112
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 16777215
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label6: TLabel
      Left = 608
      Top = 166
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'weiß'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit6: TMaskEdit
      Left = 608
      Top = 184
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 5
    end
    object XShape7: TXShape
      Left = 18
      Top = 234
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 32768
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label7: TLabel
      Left = 18
      Top = 288
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'grün'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit7: TMaskEdit
      Left = 18
      Top = 306
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 6
    end
    object XShape8: TXShape
      Left = 136
      Top = 234
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 8388608
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label8: TLabel
      Left = 136
      Top = 288
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'dunkelblau'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit8: TMaskEdit
      Left = 136
      Top = 306
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 7
    end
    object XShape9: TXShape
      Left = 254
      Top = 234
      Width = 100
      Height = 50
      Shape = shRect
      Brush.Color = 8388736
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object Label9: TLabel
      Left = 254
      Top = 288
      Width = 100
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = 'lila'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Color = 4210752
    end
    object MaskEdit9: TMaskEdit
      Left = 254
      Top = 306
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 8
    end
    object MiniHTML2: TMiniHTML
      Left = 374
      Top = 244
      Width = 340
      Height = 44
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<u>Tipp</u>: Hier ist der entsprechende r-, g- oder b-Wert auf 128 '
        '(das ist etwa die Hälfte) gesetzt.')
    end
    object PCShape1: TPCShape
      Left = 12
      Top = 344
      Width = 380
      Height = 120
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = -0.500000000000000000
    end
    object Label10: TLabel
      Left = 24
      Top = 352
      Width = 200
      Height = 20
      AutoSize = False
      Caption = 'Probierstation'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label11: TLabel
      Left = 24
      Top = 374
      Width = 220
      Height = 34
      AutoSize = False
      WordWrap = True
      Caption = 'Tippe unten eine Zahl ein und drücke den Pfeilknopf.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object MaskEdit10: TMaskEdit
      Left = 24
      Top = 420
      Width = 100
      Height = 24
      EditMask = ' 999999999;1;_'
      Font.Name = 'Tahoma'
      Font.Height = -15
      TabOrder = 9
    end
    object MMButton1: TMMButton
      Left = 134
      Top = 418
      Width = 50
      Height = 28
      Caption = '=>'
      Hint = 'Ausprobieren'
      ShowHint = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      OnClick = MMButton1Click
    end
    object XShape10: TXShape
      Left = 250
      Top = 362
      Width = 120
      Height = 88
      Shape = shRect
      Brush.Color = clWhite
      Color2 = 10526880
      ScaleX = 4.000000000000000000
      ScaleY = 4.000000000000000000
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 412
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
