object fmAEGegenbeispiel: TfmAEGegenbeispiel
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16311022
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 72
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Gegenbeispiel</B><BR>'
        'Um zu zeigen, dass zwei Terme <B>nicht</B> äquivalent sind, genügt ein <B>Gegenbeispiel</B>: '
        'Zahlen, für die die beiden Terme verschiedene Werte haben. Stelle solche Zahlen ein und klicke auf '
        '<B>Weiter</B>.')
    end
    object XShape1: TXShape
      Left = 16
      Top = 84
      Width = 704
      Height = 102
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object Label1: TLabel
      Left = 28
      Top = 92
      Width = 24
      Height = 36
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm1: TMMTerm
      Left = 56
      Top = 92
      Width = 150
      Height = 36
      Caption = '(a+b)^2'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd1: TLabel
      Left = 210
      Top = 92
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm2: TMMTerm
      Left = 258
      Top = 92
      Width = 150
      Height = 36
      Caption = 'a^2+b^2'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbA1: TLabel
      Left = 56
      Top = 144
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'a ='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit1: TEdit
      Left = 94
      Top = 144
      Width = 40
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown1: TUpDown
      Left = 134
      Top = 144
      Width = 17
      Height = 24
      Associate = Edit1
      Min = 0
      Max = 20
      Position = 0
    end
    object lbB1: TLabel
      Left = 176
      Top = 144
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'b ='
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit2: TEdit
      Left = 214
      Top = 144
      Width = 40
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown2: TUpDown
      Left = 254
      Top = 144
      Width = 17
      Height = 24
      Associate = Edit2
      Min = 0
      Max = 20
      Position = 0
    end
    object lbErgebnis1: TLabel
      Left = 424
      Top = 92
      Width = 288
      Height = 86
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Color = 6299648
    end
    object XShape2: TXShape
      Left = 16
      Top = 194
      Width = 704
      Height = 102
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object Label2: TLabel
      Left = 28
      Top = 202
      Width = 24
      Height = 36
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm3: TMMTerm
      Left = 56
      Top = 202
      Width = 150
      Height = 36
      Caption = '(2*a)^2'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd2: TLabel
      Left = 210
      Top = 202
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm4: TMMTerm
      Left = 258
      Top = 202
      Width = 150
      Height = 36
      Caption = '2*a^2'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbA2: TLabel
      Left = 56
      Top = 254
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'a ='
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit3: TEdit
      Left = 94
      Top = 254
      Width = 40
      Height = 24
      Text = '0'
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown3: TUpDown
      Left = 134
      Top = 254
      Width = 17
      Height = 24
      Associate = Edit3
      Min = 0
      Max = 20
      Position = 0
      Visible = False
    end
    object lbErgebnis2: TLabel
      Left = 424
      Top = 202
      Width = 288
      Height = 86
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Color = 6299648
    end
    object XShape3: TXShape
      Left = 16
      Top = 304
      Width = 704
      Height = 102
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 14329120
    end
    object Label3: TLabel
      Left = 28
      Top = 312
      Width = 24
      Height = 36
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm5: TMMTerm
      Left = 56
      Top = 312
      Width = 150
      Height = 36
      Caption = 'a-(b+c)'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd3: TLabel
      Left = 210
      Top = 312
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm6: TMMTerm
      Left = 258
      Top = 312
      Width = 150
      Height = 36
      Caption = 'a-b+c'
      State = 2
      Brush.Color = 16311022
      Transparent = False
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbA3: TLabel
      Left = 56
      Top = 364
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'a ='
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit4: TEdit
      Left = 94
      Top = 364
      Width = 40
      Height = 24
      Text = '0'
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown4: TUpDown
      Left = 134
      Top = 364
      Width = 17
      Height = 24
      Associate = Edit4
      Min = 0
      Max = 20
      Position = 0
      Visible = False
    end
    object lbB3: TLabel
      Left = 176
      Top = 364
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'b ='
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit5: TEdit
      Left = 214
      Top = 364
      Width = 40
      Height = 24
      Text = '0'
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown5: TUpDown
      Left = 254
      Top = 364
      Width = 17
      Height = 24
      Associate = Edit5
      Min = 0
      Max = 20
      Position = 0
      Visible = False
    end
    object lbC3: TLabel
      Left = 296
      Top = 364
      Width = 34
      Height = 24
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'c ='
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object Edit6: TEdit
      Left = 334
      Top = 364
      Width = 40
      Height = 24
      Text = '0'
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown6: TUpDown
      Left = 374
      Top = 364
      Width = 17
      Height = 24
      Associate = Edit6
      Min = 0
      Max = 20
      Position = 0
      Visible = False
    end
    object lbErgebnis3: TLabel
      Left = 424
      Top = 312
      Width = 288
      Height = 86
      AutoSize = False
      WordWrap = True
      Caption = ''
      Transparent = True
      Layout = tlCenter
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Color = 6299648
    end
    object lbSchluss: TLabel
      Left = 16
      Top = 418
      Width = 520
      Height = 48
      AutoSize = False
      WordWrap = True
      Caption = 'Bei allen drei Paaren hast du ein Gegenbeispiel gefunden. Keines der Paare ist äquivalent.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 6299648
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 556
      Top = 420
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
