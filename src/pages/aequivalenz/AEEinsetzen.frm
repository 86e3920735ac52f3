object fmAEEinsetzen: TfmAEEinsetzen
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
      Height = 90
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Einsetzen</B><BR>'
        'Hier siehst du drei Terme mit der Variablen x. Setze für x nacheinander die Zahlen 0, 1, 2 und 3 '
        'ein und berechne jedes Mal den Wert des Terms. Trage die Werte in die Tabelle ein.<BR>'
        'Beispiel: Für x = 5 hat T1 den Wert 2·(5 + 3) = 2·8 = 16.')
    end
    object RRGrid1: TRRGrid
      Left = 40
      Top = 112
      Width = 656
      Height = 149
      ColCount = 5
      RowCount = 4
      DefaultColWidth = 130
      DefaultRowHeight = 36
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 15132390
      Color = clWhite
      Transparent = False
      XCellTextOffset = 8
      YCellTextOffset = 8
      Font.Name = 'Tahoma'
      Font.Height = -15
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER><B>0</B><BR></CENTER>'
        '<CENTER><B>1</B><BR></CENTER>'
        '<CENTER><B>2</B><BR></CENTER>'
        '<CENTER><B>3</B><BR></CENTER>'
        '<B>T1</B> = 2·(x + 3)'
        ''
        ''
        ''
        ''
        '<B>T2</B> = 2·x + 6'
        ''
        ''
        ''
        ''
        '<B>T3</B> = 2·x + 3'
        ''
        ''
        ''
        '')
    end
    object Edit1: TEdit
      Left = 205
      Top = 155
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown1: TUpDown
      Left = 249
      Top = 155
      Width = 17
      Height = 24
      Associate = Edit1
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit2: TEdit
      Left = 336
      Top = 155
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown2: TUpDown
      Left = 380
      Top = 155
      Width = 17
      Height = 24
      Associate = Edit2
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit3: TEdit
      Left = 467
      Top = 155
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown3: TUpDown
      Left = 511
      Top = 155
      Width = 17
      Height = 24
      Associate = Edit3
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit4: TEdit
      Left = 598
      Top = 155
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown4: TUpDown
      Left = 642
      Top = 155
      Width = 17
      Height = 24
      Associate = Edit4
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit5: TEdit
      Left = 205
      Top = 192
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown5: TUpDown
      Left = 249
      Top = 192
      Width = 17
      Height = 24
      Associate = Edit5
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit6: TEdit
      Left = 336
      Top = 192
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown6: TUpDown
      Left = 380
      Top = 192
      Width = 17
      Height = 24
      Associate = Edit6
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit7: TEdit
      Left = 467
      Top = 192
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown7: TUpDown
      Left = 511
      Top = 192
      Width = 17
      Height = 24
      Associate = Edit7
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit8: TEdit
      Left = 598
      Top = 192
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown8: TUpDown
      Left = 642
      Top = 192
      Width = 17
      Height = 24
      Associate = Edit8
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit9: TEdit
      Left = 205
      Top = 229
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown9: TUpDown
      Left = 249
      Top = 229
      Width = 17
      Height = 24
      Associate = Edit9
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit10: TEdit
      Left = 336
      Top = 229
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown10: TUpDown
      Left = 380
      Top = 229
      Width = 17
      Height = 24
      Associate = Edit10
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit11: TEdit
      Left = 467
      Top = 229
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown11: TUpDown
      Left = 511
      Top = 229
      Width = 17
      Height = 24
      Associate = Edit11
      Min = 0
      Max = 99
      Position = 0
    end
    object Edit12: TEdit
      Left = 598
      Top = 229
      Width = 44
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown12: TUpDown
      Left = 642
      Top = 229
      Width = 17
      Height = 24
      Associate = Edit12
      Min = 0
      Max = 99
      Position = 0
    end
    object Label1: TLabel
      Left = 40
      Top = 282
      Width = 400
      Height = 24
      AutoSize = False
      Caption = 'Welche Terme haben immer dieselben Werte?'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object MMCombo1: TMMCombo
      Left = 444
      Top = 280
      Width = 150
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( '+T1 und T2' 'T1 und T3' 'T2 und T3' 'keine' )
    end
    object lbSchluss: TLabel
      Left = 40
      Top = 324
      Width = 640
      Height = 80
      AutoSize = False
      WordWrap = True
      Caption = 'Richtig! T1 und T2 stimmen in der ganzen Tabelle überein. Das gilt sogar für jede Zahl, die du für x einsetzt, denn 2·(x + 3) = 2·x + 2·3 = 2·x + 6. Solche Terme nennt man äquivalent.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Color = 6299648
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 556
      Top = 416
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
