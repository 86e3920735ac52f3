object fmBIPascal: TfmBIPascal
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
      Width = 704
      Height = 84
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines = (
        'Der unten dargestellte Versuch zeigt Kugeln, die per Zufall über ein '
        'spezielles Nagelbrett (benannt nach dem Erfinder „Galton“) rollen. '
        'Mit der Zeit (also wenn viele Kugeln gerollt sind) kann man ablesen, wie sich '
        'die Kugeln unten verteilen. <br>'
        'Klicke auf <b>Weiter</b>, dann geht es los.')
    end
    object MMBox1: TMMBox
      Left = 16
      Top = 96
      Width = 320
      Height = 256
      Color = 16446704
      Ctl3D = True
      Hint = 'Galton-Brett: Kugeln rollen von oben durch sechs Reihen von Nägeln und fallen unten in sieben Fächer.'
      Grid.Parent = MMBox1
      MMPoints = <
        item
          X = 160
          Y = 50
          Name = 'Nagel1'
        end
        item
          X = 140
          Y = 80
          Name = 'Nagel2'
        end
        item
          X = 180
          Y = 80
          Name = 'Nagel3'
        end
        item
          X = 120
          Y = 110
          Name = 'Nagel4'
        end
        item
          X = 160
          Y = 110
          Name = 'Nagel5'
        end
        item
          X = 200
          Y = 110
          Name = 'Nagel6'
        end
        item
          X = 100
          Y = 140
          Name = 'Nagel7'
        end
        item
          X = 140
          Y = 140
          Name = 'Nagel8'
        end
        item
          X = 180
          Y = 140
          Name = 'Nagel9'
        end
        item
          X = 220
          Y = 140
          Name = 'Nagel10'
        end
        item
          X = 80
          Y = 170
          Name = 'Nagel11'
        end
        item
          X = 120
          Y = 170
          Name = 'Nagel12'
        end
        item
          X = 160
          Y = 170
          Name = 'Nagel13'
        end
        item
          X = 200
          Y = 170
          Name = 'Nagel14'
        end
        item
          X = 240
          Y = 170
          Name = 'Nagel15'
        end
        item
          X = 60
          Y = 200
          Name = 'Nagel16'
        end
        item
          X = 100
          Y = 200
          Name = 'Nagel17'
        end
        item
          X = 140
          Y = 200
          Name = 'Nagel18'
        end
        item
          X = 180
          Y = 200
          Name = 'Nagel19'
        end
        item
          X = 220
          Y = 200
          Name = 'Nagel20'
        end
        item
          X = 260
          Y = 200
          Name = 'Nagel21'
        end
        item
          X = 160
          Y = 15
          Name = 'Kugel'
        end
        item
          X = 0
          Y = 45
          Name = 'Boden'
          Origin = 15
        end>
      MMObjects = <
        item
          Name = 'Nagel1'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 0
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel2'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 1
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel3'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 2
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel4'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 3
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel5'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 4
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel6'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 5
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel7'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 6
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel8'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 7
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel9'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 8
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel10'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 9
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel11'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 10
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel12'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 11
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel13'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 12
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel14'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 13
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel15'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 14
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel16'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 15
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel17'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 16
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel18'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 17
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel19'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 18
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel20'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 19
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Nagel21'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 20
          ShapeData.Radius = 4
          ShapeData.Brush.Color = clSilver
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Kugel'
          Shape = stCircle1
          ShapeData.Sensible = False
          ShapeData.Point = 21
          ShapeData.Radius = 8
          ShapeData.Brush.Color = 14441000
          ShapeData.Pen.Color = 7216650
        end>
      Transparent = False
    end
    object Label1: TLabel
      Left = 37
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 77
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label3: TLabel
      Left = 117
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label4: TLabel
      Left = 157
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label5: TLabel
      Left = 197
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label6: TLabel
      Left = 237
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label7: TLabel
      Left = 277
      Top = 358
      Width = 38
      Height = 24
      Alignment = taCenter
      AutoSize = False
      Caption = '0'
      Layout = tlCenter
      Transparent = False
      Color = clWhite
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Style = [fsBold]
    end
    object Label8: TLabel
      Left = 16
      Top = 384
      Width = 320
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Caption = 'Kugeln in den sieben Fächern'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MiniHTML2: TMiniHTML
      Left = 352
      Top = 96
      Width = 368
      Height = 132
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Lines = (
        'Während die Kugeln weiterrollen, kannst du dir Überlegungen zu der '
        'Verteilung machen: An einer Stelle kommen umso mehr Kugeln an, je mehr '
        'Wege dorthin führen. Im Diagramm ist bei jedem Nagel die Anzahl der Wege '
        'eingezeichnet. Entwickle es weiter!')
    end
    object Panel1: TPanel
      Left = 352
      Top = 232
      Width = 368
      Height = 188
      BevelOuter = bvLowered
      Color = 16446704
      Visible = False
      object Label21: TLabel
        Left = 158
        Top = 8
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label22: TLabel
        Left = 126
        Top = 44
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label23: TLabel
        Left = 190
        Top = 44
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label24: TLabel
        Left = 94
        Top = 80
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label25: TLabel
        Left = 158
        Top = 80
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '2'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label26: TLabel
        Left = 222
        Top = 80
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label27: TLabel
        Left = 62
        Top = 116
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '1'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object Label28: TLabel
        Left = 126
        Top = 116
        Width = 52
        Height = 28
        Alignment = taCenter
        AutoSize = False
        Caption = '3'
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -18
        Font.Style = [fsBold]
      end
      object MMCombo1: TMMCombo
        Left = 188
        Top = 116
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 0
        Items = (
          '1'
          '2'
          '+3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo2: TMMCombo
        Left = 252
        Top = 116
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 1
        Items = (
          '+1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo3: TMMCombo
        Left = 28
        Top = 152
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 2
        Items = (
          '+1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo4: TMMCombo
        Left = 92
        Top = 152
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 3
        Items = (
          '1'
          '2'
          '3'
          '+4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo5: TMMCombo
        Left = 156
        Top = 152
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 4
        Items = (
          '1'
          '2'
          '3'
          '4'
          '5'
          '+6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo6: TMMCombo
        Left = 220
        Top = 152
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 5
        Items = (
          '1'
          '2'
          '3'
          '+4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
      object MMCombo7: TMMCombo
        Left = 284
        Top = 152
        Width = 56
        Height = 28
        Font.Name = 'Tahoma'
        Font.Height = -16
        TabOrder = 6
        Items = (
          '+1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10'
          '11'
          '12'
          '13'
          '14'
          '15'
          '16'
          '17'
          '18'
          '19'
          '20')
      end
    end
    object MiniHTML3: TMiniHTML
      Left = 40
      Top = 422
      Width = 500
      Height = 50
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Lines = (
        'Was hat das mit den binomischen Formeln zu tun? '
        'Das zeigt dir die nächste Seite.')
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
      Top = 426
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
    object PCVGlassButton2: TPCVGlassButton
      Left = 232
      Top = 100
      Width = 100
      Height = 30
      Visible = False
      Color = 10510368
      Caption = '&Schneller'
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = clNavy
      EnhancedColor = clRed
      OnClick = PCVGlassButton2Click
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 55
    OnTimer = Timer1Timer
  end
end
