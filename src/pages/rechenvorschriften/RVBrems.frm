object fmRVBrems: TfmRVBrems
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
      Height = 46
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Der Anhalteweg</B> <BR>'
        'In der Fahrschule lernt man eine Faustregel für den Anhalteweg eines Autos:')
    end
    object XShapeKarte1: TXShape
      Left = 16
      Top = 56
      Width = 704
      Height = 92
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object MiniHTML2: TMiniHTML
      Left = 28
      Top = 62
      Width = 684
      Height = 84
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Color = 8388608
      Lines.Strings = (
        '<I>„Dividiere die Geschwindigkeit in km/h durch 10. Die so erhaltene Zahl '
        'soll einmal mit sich selbst multipliziert werden und zum anderen mit 3. '
        'Du erhältst den Anhalteweg in Metern, wenn du die beiden zuletzt '
        'berechneten Zahlen addierst.“</I> <BR>'
        '<FONT COLOR=303030>Der Anhalteweg besteht aus dem Reaktionsweg 3 · v/10 und dem Bremsweg (v/10)².')
    end
    object MiniHTML3: TMiniHTML
      Left = 16
      Top = 156
      Width = 500
      Height = 24
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        'Berechne die Anhaltewege und trage sie ein.')
    end
    object RRGrid1: TRRGrid
      Left = 40
      Top = 186
      Width = 263
      Height = 249
      ColCount = 2
      RowCount = 8
      DefaultColWidth = 130
      DefaultRowHeight = 30
      BorderStyle = bsNone
      ScrollBars = ssNone
      FixedColor = 14540253
      Color = clWhite
      Transparent = False
      XCellTextOffset = 10
      YCellTextOffset = 6
      Font.Name = 'Tahoma'
      Font.Height = -14
      Cells.Strings = (
        'v in km/h'
        'Anhalteweg in m'
        '<B>30</B>'
        ''
        '<B>50</B>'
        ''
        '<B>60</B>'
        ''
        '<B>70</B>'
        ''
        '<B>100</B>'
        ''
        '<B>120</B>'
        ''
        '<B>180</B>'
        '')
    end
    object Edit1: TEdit
      Left = 201
      Top = 220
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown1: TUpDown
      Left = 255
      Top = 220
      Width = 17
      Height = 24
      Associate = Edit1
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit2: TEdit
      Left = 201
      Top = 251
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown2: TUpDown
      Left = 255
      Top = 251
      Width = 17
      Height = 24
      Associate = Edit2
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit3: TEdit
      Left = 201
      Top = 282
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown3: TUpDown
      Left = 255
      Top = 282
      Width = 17
      Height = 24
      Associate = Edit3
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit4: TEdit
      Left = 201
      Top = 313
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown4: TUpDown
      Left = 255
      Top = 313
      Width = 17
      Height = 24
      Associate = Edit4
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit5: TEdit
      Left = 201
      Top = 344
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown5: TUpDown
      Left = 255
      Top = 344
      Width = 17
      Height = 24
      Associate = Edit5
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit6: TEdit
      Left = 201
      Top = 375
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown6: TUpDown
      Left = 255
      Top = 375
      Width = 17
      Height = 24
      Associate = Edit6
      Min = 0
      Max = 999
      Position = 0
    end
    object Edit7: TEdit
      Left = 201
      Top = 406
      Width = 54
      Height = 24
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object UpDown7: TUpDown
      Left = 255
      Top = 406
      Width = 17
      Height = 24
      Associate = Edit7
      Min = 0
      Max = 999
      Position = 0
    end
    object XShapeKarte2: TXShape
      Left = 352
      Top = 186
      Width = 368
      Height = 116
      Shape = srRect
      Brush.Color = 16055289
      Pen.Color = 16055289
    end
    object MiniHTML4: TMiniHTML
      Left = 364
      Top = 190
      Width = 350
      Height = 110
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Ein Beispiel: 40 km/h</B> <BR>'
        '40 : 10 = 4 <BR>'
        '4 · 4 = 16  und  4 · 3 = 12 <BR>'
        '16 + 12 = 28 <BR>'
        'Bei 40 km/h beträgt der Anhalteweg also etwa <B>28 m</B>.')
    end
    object XShape1: TXShape
      Left = 352
      Top = 356
      Width = 368
      Height = 10
      Shape = srRect
      Brush.Color = 8421504
      Pen.Color = 8421504
    end
    object XShape2: TXShape
      Left = 380
      Top = 358
      Width = 200
      Height = 3
      Shape = srRect
      Brush.Color = 3158064
      Pen.Color = 3158064
    end
    object XShape3: TXShape
      Left = 576
      Top = 330
      Width = 96
      Height = 20
      Shape = srRect
      Brush.Color = 2631900
      Pen.Color = 1315960
    end
    object XPolygon1: TXPolygon
      Left = 596
      Top = 314
      Width = 56
      Height = 17
      Points = (
        '0;1'
        '0,2;0'
        '0,8;0'
        '1;1')
      Brush.Color = 16440500
      EnhancedColor = 16440500
      Pen.Color = 1315960
    end
    object PCShape3: TPCShape
      Left = 588
      Top = 342
      Width = 16
      Height = 16
      Color = 2105376
      TransparentOX = 0.000000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 0.000000000000000000
      TransparentSY = 0.000000000000000000
      Pen.Color = 0
      ShapeForm = sfEllipse
    end
    object PCShape4: TPCShape
      Left = 642
      Top = 342
      Width = 16
      Height = 16
      Color = 2105376
      TransparentOX = 0.000000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 0.000000000000000000
      TransparentSY = 0.000000000000000000
      Pen.Color = 0
      ShapeForm = sfEllipse
    end
    object XShape4: TXShape
      Left = 380
      Top = 378
      Width = 292
      Height = 2
      Shape = srRect
      Brush.Color = 9845790
      Pen.Color = 9845790
    end
    object XShape5: TXShape
      Left = 380
      Top = 372
      Width = 2
      Height = 14
      Shape = srRect
      Brush.Color = 9845790
      Pen.Color = 9845790
    end
    object XShape6: TXShape
      Left = 670
      Top = 372
      Width = 2
      Height = 14
      Shape = srRect
      Brush.Color = 9845790
      Pen.Color = 9845790
    end
    object lbBremsweg: TLabel
      Left = 380
      Top = 388
      Width = 292
      Height = 18
      Alignment = taCenter
      AutoSize = False
      Caption = 'Anhalteweg'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 9845790
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
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
