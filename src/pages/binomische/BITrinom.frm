object fmBITrinom: TfmBITrinom
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 24
      Top = 16
      Width = 688
      Height = 72
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Lines = (
        'Versuche nun anhand der Zeichnung eine Formel für (a+b)³ zu finden. <br>'
        'Der Würfel mit der Kantenlänge a+b ist in acht Quader zerlegt. Welche Quader '
        'sind gleich groß? Schreibe den Rauminhalt des Würfels als Summe.')
    end
    object MMBox1: TMMBox
      Left = 24
      Top = 96
      Width = 340
      Height = 292
      Grid.Parent = MMBox1
      MMPoints = <
        item
          X = 40
          Y = 262
        end
        item
          X = 160
          Y = 262
        end
        item
          X = 160
          Y = 142
        end
        item
          X = 40
          Y = 142
        end
        item
          X = 40
          Y = 142
        end
        item
          X = 160
          Y = 142
        end
        item
          X = 160
          Y = 94
        end
        item
          X = 40
          Y = 94
        end
        item
          X = 160
          Y = 262
        end
        item
          X = 208
          Y = 262
        end
        item
          X = 208
          Y = 142
        end
        item
          X = 160
          Y = 142
        end
        item
          X = 160
          Y = 142
        end
        item
          X = 208
          Y = 142
        end
        item
          X = 208
          Y = 94
        end
        item
          X = 160
          Y = 94
        end
        item
          X = 40
          Y = 94
        end
        item
          X = 160
          Y = 94
        end
        item
          X = 202
          Y = 52
        end
        item
          X = 82
          Y = 52
        end
        item
          X = 82
          Y = 52
        end
        item
          X = 202
          Y = 52
        end
        item
          X = 219
          Y = 35
        end
        item
          X = 99
          Y = 35
        end
        item
          X = 160
          Y = 94
        end
        item
          X = 208
          Y = 94
        end
        item
          X = 250
          Y = 52
        end
        item
          X = 202
          Y = 52
        end
        item
          X = 202
          Y = 52
        end
        item
          X = 250
          Y = 52
        end
        item
          X = 267
          Y = 35
        end
        item
          X = 219
          Y = 35
        end
        item
          X = 208
          Y = 262
        end
        item
          X = 250
          Y = 220
        end
        item
          X = 250
          Y = 100
        end
        item
          X = 208
          Y = 142
        end
        item
          X = 250
          Y = 220
        end
        item
          X = 267
          Y = 203
        end
        item
          X = 267
          Y = 83
        end
        item
          X = 250
          Y = 100
        end
        item
          X = 208
          Y = 142
        end
        item
          X = 250
          Y = 100
        end
        item
          X = 250
          Y = 52
        end
        item
          X = 208
          Y = 94
        end
        item
          X = 250
          Y = 100
        end
        item
          X = 267
          Y = 83
        end
        item
          X = 267
          Y = 35
        end
        item
          X = 250
          Y = 52
        end
        item
          X = 100
          Y = 276
        end
        item
          X = 30
          Y = 252
        end
        item
          X = 170
          Y = 300
        end
        item
          X = 184
          Y = 276
        end
        item
          X = 114
          Y = 252
        end
        item
          X = 254
          Y = 300
        end
        item
          X = 26
          Y = 202
        end
        item
          X = -44
          Y = 178
        end
        item
          X = 96
          Y = 226
        end
        item
          X = 26
          Y = 118
        end
        item
          X = -44
          Y = 94
        end
        item
          X = 96
          Y = 142
        end
        item
          X = 241
          Y = 247
        end
        item
          X = 171
          Y = 223
        end
        item
          X = 311
          Y = 271
        end
        item
          X = 271
          Y = 217
        end
        item
          X = 201
          Y = 193
        end
        item
          X = 341
          Y = 241
        end
        item
          X = 100
          Y = 202
        end
        item
          X = 30
          Y = 178
        end
        item
          X = 170
          Y = 226
        end
        item
          X = 100
          Y = 118
        end
        item
          X = 30
          Y = 94
        end
        item
          X = 170
          Y = 142
        end
        item
          X = 184
          Y = 202
        end
        item
          X = 114
          Y = 178
        end
        item
          X = 254
          Y = 226
        end
        item
          X = 184
          Y = 118
        end
        item
          X = 114
          Y = 94
        end
        item
          X = 254
          Y = 142
        end>
      MMObjects = <
        item
          Name = 'Teil1'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 0
          ShapeData.P2 = 1
          ShapeData.P3 = 2
          ShapeData.P4 = 3
          ShapeData.Brush.Color = 16432790
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil2'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 4
          ShapeData.P2 = 5
          ShapeData.P3 = 6
          ShapeData.P4 = 7
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil3'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 8
          ShapeData.P2 = 9
          ShapeData.P3 = 10
          ShapeData.P4 = 11
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil4'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 12
          ShapeData.P2 = 13
          ShapeData.P3 = 14
          ShapeData.P4 = 15
          ShapeData.Brush.Color = 10543530
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil5'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 16
          ShapeData.P2 = 17
          ShapeData.P3 = 18
          ShapeData.P4 = 19
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil6'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 20
          ShapeData.P2 = 21
          ShapeData.P3 = 22
          ShapeData.P4 = 23
          ShapeData.Brush.Color = 10543530
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil7'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 24
          ShapeData.P2 = 25
          ShapeData.P3 = 26
          ShapeData.P4 = 27
          ShapeData.Brush.Color = 10543530
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil8'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 28
          ShapeData.P2 = 29
          ShapeData.P3 = 30
          ShapeData.P4 = 31
          ShapeData.Brush.Color = 9871610
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil9'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 32
          ShapeData.P2 = 33
          ShapeData.P3 = 34
          ShapeData.P4 = 35
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil10'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 36
          ShapeData.P2 = 37
          ShapeData.P3 = 38
          ShapeData.P4 = 39
          ShapeData.Brush.Color = 10543530
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil11'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 40
          ShapeData.P2 = 41
          ShapeData.P3 = 42
          ShapeData.P4 = 43
          ShapeData.Brush.Color = 10543530
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil12'
          Shape = stQuadruPoint
          ShapeData.Sensible = False
          ShapeData.P1 = 44
          ShapeData.P2 = 45
          ShapeData.P3 = 46
          ShapeData.P4 = 47
          ShapeData.Brush.Color = 9871610
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil13'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 49
          ShapeData.P2 = 50
          ShapeData.Position = 48
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil14'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 52
          ShapeData.P2 = 53
          ShapeData.Position = 51
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil15'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 55
          ShapeData.P2 = 56
          ShapeData.Position = 54
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil16'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 58
          ShapeData.P2 = 59
          ShapeData.Position = 57
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil17'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 61
          ShapeData.P2 = 62
          ShapeData.Position = 60
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil18'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 64
          ShapeData.P2 = 65
          ShapeData.Position = 63
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil19'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 67
          ShapeData.P2 = 68
          ShapeData.Position = 66
          ShapeData.Centered = True
          ShapeData.Text = 'a³'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -20
          ShapeData.Font.Color = 6299664
          ShapeData.Font.Style = [fsBold]
        end
        item
          Name = 'Teil20'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 70
          ShapeData.P2 = 71
          ShapeData.Position = 69
          ShapeData.Centered = True
          ShapeData.Text = 'a²·b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -14
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil21'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 73
          ShapeData.P2 = 74
          ShapeData.Position = 72
          ShapeData.Centered = True
          ShapeData.Text = 'a²·b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -14
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil22'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 76
          ShapeData.P2 = 77
          ShapeData.Position = 75
          ShapeData.Centered = True
          ShapeData.Text = 'a·b²'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -14
          ShapeData.Font.Color = 6299664
        end>
      Transparent = True
    end

    object Panel1: TPanel
      Left = 372
      Top = 132
      Width = 344
      Height = 140
      BevelOuter = bvNone
      Color = 15793407
      object Label1: TLabel
        Left = 16
        Top = 12
        Width = 120
        Height = 36
        AutoSize = False
        Caption = '(a+b)³ ='
        Layout = tlCenter
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -22
        Font.Style = [fsBold]
      end
      object MMTerm1: TMMTerm
        Left = 16
        Top = 56
        Width = 316
        Height = 50
        Caption = '?'
        State = 0
        Brush.Color = clWhite
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -17
        OnClick = MMTerm1Click
      end
    end
    object Label2: TLabel
      Left = 388
      Top = 292
      Width = 320
      Height = 88
      AutoSize = False
      Caption = 'Tipp: Gleich gefärbte Quader haben denselben Rauminhalt. Denke auch an den Quader, der hinten unten links verdeckt ist.'
      WordWrap = True
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
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
