object fmBIAPlusB: TfmBIAPlusB
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
        'Ein Quadrat der Seitenlänge a soll beidseitig um b verlängert werden. <br>'
        'Berechne den Inhalt des entstandenen Quadrats auf zwei Arten.')
    end
    object MMBox1: TMMBox
      Left = 24
      Top = 96
      Width = 324
      Height = 300
      Grid.Parent = MMBox1
      MMPoints = <
        item
          X = 36
          Y = 44
        end
        item
          X = 186
          Y = 194
        end
        item
          X = 186
          Y = 44
        end
        item
          X = 246
          Y = 194
        end
        item
          X = 36
          Y = 194
        end
        item
          X = 186
          Y = 254
        end
        item
          X = 186
          Y = 194
        end
        item
          X = 246
          Y = 254
        end
        item
          X = 111
          Y = 119
        end
        item
          X = 38
          Y = 46
        end
        item
          X = 184
          Y = 192
        end
        item
          X = 216
          Y = 119
        end
        item
          X = 188
          Y = 46
        end
        item
          X = 244
          Y = 192
        end
        item
          X = 111
          Y = 224
        end
        item
          X = 38
          Y = 196
        end
        item
          X = 184
          Y = 252
        end
        item
          X = 216
          Y = 224
        end
        item
          X = 188
          Y = 196
        end
        item
          X = 244
          Y = 252
        end
        item
          X = 36
          Y = 28
        end
        item
          X = 186
          Y = 28
        end
        item
          X = 36
          Y = 23
        end
        item
          X = 36
          Y = 33
        end
        item
          X = 186
          Y = 23
        end
        item
          X = 186
          Y = 33
        end
        item
          X = 111
          Y = 14
        end
        item
          X = 38
          Y = 0
        end
        item
          X = 184
          Y = 27
        end
        item
          X = 186
          Y = 28
        end
        item
          X = 246
          Y = 28
        end
        item
          X = 186
          Y = 23
        end
        item
          X = 186
          Y = 33
        end
        item
          X = 246
          Y = 23
        end
        item
          X = 246
          Y = 33
        end
        item
          X = 216
          Y = 14
        end
        item
          X = 188
          Y = 0
        end
        item
          X = 244
          Y = 27
        end
        item
          X = 20
          Y = 44
        end
        item
          X = 20
          Y = 194
        end
        item
          X = 15
          Y = 44
        end
        item
          X = 25
          Y = 44
        end
        item
          X = 15
          Y = 194
        end
        item
          X = 25
          Y = 194
        end
        item
          X = 9
          Y = 119
        end
        item
          X = 0
          Y = 46
        end
        item
          X = 18
          Y = 192
        end
        item
          X = 20
          Y = 194
        end
        item
          X = 20
          Y = 254
        end
        item
          X = 15
          Y = 194
        end
        item
          X = 25
          Y = 194
        end
        item
          X = 15
          Y = 254
        end
        item
          X = 25
          Y = 254
        end
        item
          X = 9
          Y = 224
        end
        item
          X = 0
          Y = 196
        end
        item
          X = 18
          Y = 252
        end
        item
          X = 36
          Y = 270
        end
        item
          X = 246
          Y = 270
        end
        item
          X = 36
          Y = 265
        end
        item
          X = 36
          Y = 275
        end
        item
          X = 246
          Y = 265
        end
        item
          X = 246
          Y = 275
        end
        item
          X = 141
          Y = 284
        end
        item
          X = 38
          Y = 272
        end
        item
          X = 244
          Y = 300
        end
        item
          X = 262
          Y = 44
        end
        item
          X = 262
          Y = 254
        end
        item
          X = 257
          Y = 44
        end
        item
          X = 267
          Y = 44
        end
        item
          X = 257
          Y = 254
        end
        item
          X = 267
          Y = 254
        end
        item
          X = 289
          Y = 149
        end
        item
          X = 264
          Y = 46
        end
        item
          X = 314
          Y = 252
        end>
      MMObjects = <
        item
          Name = 'Teil1'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 0
          ShapeData.P2 = 1
          ShapeData.Brush.Color = 16432790
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil2'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 2
          ShapeData.P2 = 3
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil3'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 4
          ShapeData.P2 = 5
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil4'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 6
          ShapeData.P2 = 7
          ShapeData.Brush.Color = 9871610
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil5'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 9
          ShapeData.P2 = 10
          ShapeData.Position = 8
          ShapeData.Centered = True
          ShapeData.Text = 'a²'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -26
          ShapeData.Font.Color = 6299664
          ShapeData.Font.Style = [fsBold]
        end
        item
          Name = 'Teil6'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 12
          ShapeData.P2 = 13
          ShapeData.Position = 11
          ShapeData.Centered = True
          ShapeData.Text = 'a·b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil7'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 15
          ShapeData.P2 = 16
          ShapeData.Position = 14
          ShapeData.Centered = True
          ShapeData.Text = 'a·b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -17
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil8'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 18
          ShapeData.P2 = 19
          ShapeData.Position = 17
          ShapeData.Centered = True
          ShapeData.Text = 'b²'
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
          Name = 'Teil9'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 20
          ShapeData.P2 = 21
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil10'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 22
          ShapeData.P2 = 23
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil11'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 24
          ShapeData.P2 = 25
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil12'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 27
          ShapeData.P2 = 28
          ShapeData.Position = 26
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil13'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 29
          ShapeData.P2 = 30
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil14'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 31
          ShapeData.P2 = 32
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil15'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 33
          ShapeData.P2 = 34
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil16'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 36
          ShapeData.P2 = 37
          ShapeData.Position = 35
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil17'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 38
          ShapeData.P2 = 39
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil18'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 40
          ShapeData.P2 = 41
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil19'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 42
          ShapeData.P2 = 43
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil20'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 45
          ShapeData.P2 = 46
          ShapeData.Position = 44
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil21'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 47
          ShapeData.P2 = 48
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil22'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 49
          ShapeData.P2 = 50
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil23'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 51
          ShapeData.P2 = 52
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil24'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 54
          ShapeData.P2 = 55
          ShapeData.Position = 53
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil25'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 56
          ShapeData.P2 = 57
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil26'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 58
          ShapeData.P2 = 59
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil27'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 60
          ShapeData.P2 = 61
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil28'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 63
          ShapeData.P2 = 64
          ShapeData.Position = 62
          ShapeData.Centered = True
          ShapeData.Text = 'a+b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil29'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 65
          ShapeData.P2 = 66
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil30'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 67
          ShapeData.P2 = 68
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil31'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 69
          ShapeData.P2 = 70
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil32'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 72
          ShapeData.P2 = 73
          ShapeData.Position = 71
          ShapeData.Centered = True
          ShapeData.Text = 'a+b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end>
      Transparent = True
    end
    object MMBox2: TMMBox
      Left = 24
      Top = 96
      Width = 324
      Height = 300
      Visible = False
      Grid.Parent = MMBox2
      MMPoints = <
        item
          X = 64
          Y = 44
        end
        item
          X = 208
          Y = 188
        end
        item
          X = 208
          Y = 44
        end
        item
          X = 264
          Y = 188
        end
        item
          X = 64
          Y = 188
        end
        item
          X = 208
          Y = 244
        end
        item
          X = 208
          Y = 188
        end
        item
          X = 264
          Y = 244
        end
        item
          X = 136
          Y = 116
        end
        item
          X = 66
          Y = 46
        end
        item
          X = 206
          Y = 186
        end
        item
          X = 236
          Y = 116
        end
        item
          X = 210
          Y = 46
        end
        item
          X = 262
          Y = 186
        end
        item
          X = 136
          Y = 216
        end
        item
          X = 66
          Y = 190
        end
        item
          X = 206
          Y = 242
        end
        item
          X = 236
          Y = 216
        end
        item
          X = 210
          Y = 190
        end
        item
          X = 262
          Y = 242
        end
        item
          X = 64
          Y = 28
        end
        item
          X = 208
          Y = 28
        end
        item
          X = 64
          Y = 23
        end
        item
          X = 64
          Y = 33
        end
        item
          X = 208
          Y = 23
        end
        item
          X = 208
          Y = 33
        end
        item
          X = 136
          Y = 14
        end
        item
          X = 66
          Y = 0
        end
        item
          X = 206
          Y = 27
        end
        item
          X = 208
          Y = 28
        end
        item
          X = 264
          Y = 28
        end
        item
          X = 208
          Y = 23
        end
        item
          X = 208
          Y = 33
        end
        item
          X = 264
          Y = 23
        end
        item
          X = 264
          Y = 33
        end
        item
          X = 236
          Y = 14
        end
        item
          X = 210
          Y = 0
        end
        item
          X = 262
          Y = 27
        end
        item
          X = 48
          Y = 44
        end
        item
          X = 48
          Y = 188
        end
        item
          X = 43
          Y = 44
        end
        item
          X = 53
          Y = 44
        end
        item
          X = 43
          Y = 188
        end
        item
          X = 53
          Y = 188
        end
        item
          X = 23
          Y = 116
        end
        item
          X = 0
          Y = 46
        end
        item
          X = 46
          Y = 186
        end
        item
          X = 48
          Y = 188
        end
        item
          X = 48
          Y = 244
        end
        item
          X = 43
          Y = 188
        end
        item
          X = 53
          Y = 188
        end
        item
          X = 43
          Y = 244
        end
        item
          X = 53
          Y = 244
        end
        item
          X = 23
          Y = 216
        end
        item
          X = 0
          Y = 190
        end
        item
          X = 46
          Y = 242
        end
        item
          X = 64
          Y = 260
        end
        item
          X = 264
          Y = 260
        end
        item
          X = 64
          Y = 255
        end
        item
          X = 64
          Y = 265
        end
        item
          X = 264
          Y = 255
        end
        item
          X = 264
          Y = 265
        end
        item
          X = 164
          Y = 274
        end
        item
          X = 66
          Y = 262
        end
        item
          X = 262
          Y = 300
        end
        item
          X = 280
          Y = 44
        end
        item
          X = 280
          Y = 244
        end
        item
          X = 275
          Y = 44
        end
        item
          X = 285
          Y = 44
        end
        item
          X = 275
          Y = 244
        end
        item
          X = 285
          Y = 244
        end
        item
          X = 298
          Y = 144
        end
        item
          X = 282
          Y = 46
        end
        item
          X = 314
          Y = 242
        end>
      MMObjects = <
        item
          Name = 'Teil1'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 0
          ShapeData.P2 = 1
          ShapeData.Brush.Color = 16432790
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil2'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 2
          ShapeData.P2 = 3
          ShapeData.Brush.Color = 14606046
          ShapeData.Pen.Color = 0
          ShapeData.Pen.Style = psDash
        end
        item
          Name = 'Teil3'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 4
          ShapeData.P2 = 5
          ShapeData.Brush.Color = 14606046
          ShapeData.Pen.Color = 0
          ShapeData.Pen.Style = psDash
        end
        item
          Name = 'Teil4'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 6
          ShapeData.P2 = 7
          ShapeData.Brush.Color = 12500670
          ShapeData.Pen.Color = 0
          ShapeData.Pen.Style = psDash
        end
        item
          Name = 'Teil5'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 9
          ShapeData.P2 = 10
          ShapeData.Position = 8
          ShapeData.Centered = True
          ShapeData.Text = '(a−b)²'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -26
          ShapeData.Font.Color = 6299664
          ShapeData.Font.Style = [fsBold]
        end
        item
          Name = 'Teil6'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 12
          ShapeData.P2 = 13
          ShapeData.Position = 11
          ShapeData.Centered = True
          ShapeData.Text = 'b·(a−b)'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -13
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil7'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 15
          ShapeData.P2 = 16
          ShapeData.Position = 14
          ShapeData.Centered = True
          ShapeData.Text = 'b·(a−b)'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -15
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil8'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 18
          ShapeData.P2 = 19
          ShapeData.Position = 17
          ShapeData.Centered = True
          ShapeData.Text = 'b²'
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
          Name = 'Teil9'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 20
          ShapeData.P2 = 21
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil10'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 22
          ShapeData.P2 = 23
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil11'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 24
          ShapeData.P2 = 25
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil12'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 27
          ShapeData.P2 = 28
          ShapeData.Position = 26
          ShapeData.Centered = True
          ShapeData.Text = 'a−b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil13'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 29
          ShapeData.P2 = 30
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil14'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 31
          ShapeData.P2 = 32
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil15'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 33
          ShapeData.P2 = 34
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil16'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 36
          ShapeData.P2 = 37
          ShapeData.Position = 35
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil17'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 38
          ShapeData.P2 = 39
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil18'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 40
          ShapeData.P2 = 41
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil19'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 42
          ShapeData.P2 = 43
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil20'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 45
          ShapeData.P2 = 46
          ShapeData.Position = 44
          ShapeData.Centered = True
          ShapeData.Text = 'a−b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil21'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 47
          ShapeData.P2 = 48
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil22'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 49
          ShapeData.P2 = 50
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil23'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 51
          ShapeData.P2 = 52
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil24'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 54
          ShapeData.P2 = 55
          ShapeData.Position = 53
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil25'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 56
          ShapeData.P2 = 57
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil26'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 58
          ShapeData.P2 = 59
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil27'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 60
          ShapeData.P2 = 61
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil28'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 63
          ShapeData.P2 = 64
          ShapeData.Position = 62
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil29'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 65
          ShapeData.P2 = 66
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil30'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 67
          ShapeData.P2 = 68
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil31'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 69
          ShapeData.P2 = 70
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil32'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 72
          ShapeData.P2 = 73
          ShapeData.Position = 71
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end>
      Transparent = True
    end
    object MMBox3: TMMBox
      Left = 24
      Top = 96
      Width = 324
      Height = 300
      Visible = False
      Grid.Parent = MMBox3
      MMPoints = <
        item
          X = 50
          Y = 160
        end
        item
          X = 217
          Y = 209
        end
        item
          X = 50
          Y = 42
        end
        item
          X = 217
          Y = 160
        end
        item
          X = 217
          Y = 42
        end
        item
          X = 266
          Y = 160
        end
        item
          X = 133
          Y = 101
        end
        item
          X = 52
          Y = 44
        end
        item
          X = 215
          Y = 158
        end
        item
          X = 242
          Y = 101
        end
        item
          X = 219
          Y = 44
        end
        item
          X = 264
          Y = 158
        end
        item
          X = 133
          Y = 184
        end
        item
          X = 52
          Y = 162
        end
        item
          X = 215
          Y = 207
        end
        item
          X = 50
          Y = 27
        end
        item
          X = 217
          Y = 27
        end
        item
          X = 50
          Y = 22
        end
        item
          X = 50
          Y = 31
        end
        item
          X = 217
          Y = 22
        end
        item
          X = 217
          Y = 31
        end
        item
          X = 133
          Y = 13
        end
        item
          X = 52
          Y = 0
        end
        item
          X = 215
          Y = 26
        end
        item
          X = 217
          Y = 27
        end
        item
          X = 266
          Y = 27
        end
        item
          X = 217
          Y = 22
        end
        item
          X = 217
          Y = 31
        end
        item
          X = 266
          Y = 22
        end
        item
          X = 266
          Y = 31
        end
        item
          X = 242
          Y = 13
        end
        item
          X = 219
          Y = 0
        end
        item
          X = 264
          Y = 26
        end
        item
          X = 42
          Y = 42
        end
        item
          X = 42
          Y = 160
        end
        item
          X = 37
          Y = 42
        end
        item
          X = 47
          Y = 42
        end
        item
          X = 37
          Y = 160
        end
        item
          X = 47
          Y = 160
        end
        item
          X = 19
          Y = 101
        end
        item
          X = -1
          Y = 44
        end
        item
          X = 40
          Y = 158
        end
        item
          X = 42
          Y = 160
        end
        item
          X = 42
          Y = 209
        end
        item
          X = 37
          Y = 160
        end
        item
          X = 47
          Y = 160
        end
        item
          X = 37
          Y = 209
        end
        item
          X = 47
          Y = 209
        end
        item
          X = 19
          Y = 184
        end
        item
          X = -1
          Y = 162
        end
        item
          X = 40
          Y = 207
        end
        item
          X = 50
          Y = 224
        end
        item
          X = 266
          Y = 224
        end
        item
          X = 50
          Y = 219
        end
        item
          X = 50
          Y = 229
        end
        item
          X = 266
          Y = 219
        end
        item
          X = 266
          Y = 229
        end
        item
          X = 158
          Y = 238
        end
        item
          X = 52
          Y = 226
        end
        item
          X = 266
          Y = 285
        end
        item
          X = 274
          Y = 42
        end
        item
          X = 274
          Y = 160
        end
        item
          X = 269
          Y = 42
        end
        item
          X = 279
          Y = 42
        end
        item
          X = 269
          Y = 160
        end
        item
          X = 279
          Y = 160
        end
        item
          X = 295
          Y = 101
        end
        item
          X = 276
          Y = 44
        end
        item
          X = 314
          Y = 158
        end>
      MMObjects = <
        item
          Name = 'Teil1'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 0
          ShapeData.P2 = 1
          ShapeData.Brush.Color = 14606046
          ShapeData.Pen.Color = 0
          ShapeData.Pen.Style = psDash
        end
        item
          Name = 'Teil2'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 2
          ShapeData.P2 = 3
          ShapeData.Brush.Color = 16432790
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil3'
          Shape = stRectangle
          ShapeData.Sensible = False
          ShapeData.P1 = 4
          ShapeData.P2 = 5
          ShapeData.Brush.Color = 8578303
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil4'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 7
          ShapeData.P2 = 8
          ShapeData.Position = 6
          ShapeData.Centered = True
          ShapeData.Text = 'a·(a−b)'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -22
          ShapeData.Font.Color = 6299664
          ShapeData.Font.Style = [fsBold]
        end
        item
          Name = 'Teil5'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 10
          ShapeData.P2 = 11
          ShapeData.Position = 9
          ShapeData.Centered = True
          ShapeData.Text = 'b·(a−b)'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -12
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil6'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 13
          ShapeData.P2 = 14
          ShapeData.Position = 12
          ShapeData.Centered = True
          ShapeData.Text = 'a·b (fällt weg)'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -15
          ShapeData.Font.Color = 6316128
        end
        item
          Name = 'Teil7'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 15
          ShapeData.P2 = 16
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil8'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 17
          ShapeData.P2 = 18
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil9'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 19
          ShapeData.P2 = 20
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil10'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 22
          ShapeData.P2 = 23
          ShapeData.Position = 21
          ShapeData.Centered = True
          ShapeData.Text = 'a'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil11'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 24
          ShapeData.P2 = 25
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil12'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 26
          ShapeData.P2 = 27
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil13'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 28
          ShapeData.P2 = 29
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil14'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 31
          ShapeData.P2 = 32
          ShapeData.Position = 30
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil15'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 33
          ShapeData.P2 = 34
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil16'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 35
          ShapeData.P2 = 36
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil17'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 37
          ShapeData.P2 = 38
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil18'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 40
          ShapeData.P2 = 41
          ShapeData.Position = 39
          ShapeData.Centered = True
          ShapeData.Text = 'a−b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil19'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 42
          ShapeData.P2 = 43
          ShapeData.Pen.Color = 8421504
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil20'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 44
          ShapeData.P2 = 45
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Teil21'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 46
          ShapeData.P2 = 47
          ShapeData.Pen.Color = 8421504
        end
        item
          Name = 'Teil22'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 49
          ShapeData.P2 = 50
          ShapeData.Position = 48
          ShapeData.Centered = True
          ShapeData.Text = 'b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6316128
        end
        item
          Name = 'Teil23'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 51
          ShapeData.P2 = 52
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil24'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 53
          ShapeData.P2 = 54
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil25'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 55
          ShapeData.P2 = 56
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil26'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 58
          ShapeData.P2 = 59
          ShapeData.Position = 57
          ShapeData.Centered = True
          ShapeData.Text = 'a+b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end
        item
          Name = 'Teil27'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 60
          ShapeData.P2 = 61
          ShapeData.Pen.Color = 0
          ShapeData.LineEnd1 = 1
          ShapeData.LineEnd2 = 1
        end
        item
          Name = 'Teil28'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 62
          ShapeData.P2 = 63
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil29'
          Shape = stLine
          ShapeData.Sensible = False
          ShapeData.P1 = 64
          ShapeData.P2 = 65
          ShapeData.Pen.Color = 0
        end
        item
          Name = 'Teil30'
          Shape = stTextBox
          ShapeData.Sensible = False
          ShapeData.P1 = 67
          ShapeData.P2 = 68
          ShapeData.Position = 66
          ShapeData.Centered = True
          ShapeData.Text = 'a−b'
          ShapeData.Term = True
          ShapeData.Transparent = True
          ShapeData.Brush.Style = bsClear
          ShapeData.Pen.Style = psClear
          ShapeData.Font.Name = 'Tahoma'
          ShapeData.Font.Height = -16
          ShapeData.Font.Color = 6299664
        end>
      Transparent = True
    end

    object Panel1: TPanel
      Left = 340
      Top = 104
      Width = 376
      Height = 236
      BevelOuter = bvNone
      Color = 15793407
      object Label3: TLabel
        Left = 16
        Top = 12
        Width = 344
        Height = 22
        AutoSize = False
        Caption = '1. Art: Multipliziere die Seitenlängen.'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object Label1: TLabel
        Left = 16
        Top = 46
        Width = 48
        Height = 30
        AutoSize = False
        Caption = 'F ='
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -22
        Font.Style = [fsBold]
      end
      object MMCombo1: TMMCombo
        Left = 72
        Top = 46
        Width = 280
        Height = 30
        Font.Name = 'Tahoma'
        Font.Height = -18
        TabOrder = 0
        Items = (
          'a·b'
          'a²+b²'
          '+(a+b)·(a+b)'
          '+(a+b)²'
          'a+b²'
          '2·(a+b)'
          'a²+2b'
          '(a+b)·2'
          'a·a+b'
          '(a-b)·(a-b)'
          '(a-b)²'
          '(a-b)·2'
          'a²-b'
          '(a+b)·(a-b)'
          'a·(a-b)')
      end
      object Label4: TLabel
        Left = 16
        Top = 120
        Width = 344
        Height = 22
        AutoSize = False
        Caption = '2. Art: Rechne mit den Teilflächen.'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object Label2: TLabel
        Left = 16
        Top = 154
        Width = 48
        Height = 30
        AutoSize = False
        Caption = 'F ='
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -22
        Font.Style = [fsBold]
      end
      object MMCombo2: TMMCombo
        Left = 72
        Top = 154
        Width = 280
        Height = 30
        Font.Name = 'Tahoma'
        Font.Height = -18
        TabOrder = 1
        Items = (
          'a²+b²'
          'a²+ab+b²'
          '+a²+2ab+b²'
          '2a+2b'
          'a²+4ab+b²'
          'a²-b'
          'a²-ab+b²'
          'a²-2ab-b²'
          'a²-b²'
          'a²+2ab-b²'
          'a²-2ab+b²'
          'a²-2b²'
          'a-b²')
      end
    end
    object LabelChapter: TLabel
      Left = 340
      Top = 352
      Width = 376
      Height = 40
      AutoSize = False
      Caption = 'Beim Ausrechnen multiplizierst du die Klammern aus, wie im Kapitel „Multiplikation von Summen“.'
      Transparent = True
      Visible = False
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Color = 6299664
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
      Top = 404
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
