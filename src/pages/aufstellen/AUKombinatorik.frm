object fmAUKombinatorik: TfmAUKombinatorik
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 44
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Kombinatorik</B><BR>'
        'Wie viele Möglichkeiten gibt es? Zähle erst im Kleinen, dann stelle den Term auf. Klicke auf <B>Weiter</B>.')
    end
    object XShapeLock: TXShape
      Left = 8
      Top = 54
      Width = 356
      Height = 326
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapeShackle: TXShape
      Left = 30
      Top = 62
      Width = 60
      Height = 64
      Shape = shEllipse
      Color2 = 4602940
      Brush.Style = bsClear
      Pen.Color = 10524310
      Pen.Width = 7
      ScaleX = 0.0
      ScaleY = 0.0
    end
    object XShapeBody: TXShape
      Left = 20
      Top = 94
      Width = 80
      Height = 62
      Shape = stRdTextBox
      Brush.Color = 8542790
      Pen.Color = 5255720
    end
    object XShapeRing1: TXShape
      Left = 28
      Top = 108
      Width = 20
      Height = 34
      Shape = stTextBox
      Brush.Color = 14805995
      Pen.Color = 5255720
      Caption = '3'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object XShapeRing2: TXShape
      Left = 50
      Top = 108
      Width = 20
      Height = 34
      Shape = stTextBox
      Brush.Color = 14805995
      Pen.Color = 5255720
      Caption = '0'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object XShapeRing3: TXShape
      Left = 72
      Top = 108
      Width = 20
      Height = 34
      Shape = stTextBox
      Brush.Color = 14805995
      Pen.Color = 5255720
      Caption = '7'
      Description = True
      ParentFont = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object MiniHTMLLock: TMiniHTML
      Left = 112
      Top = 62
      Width = 244
      Height = 100
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Zahlenschloss</B><BR>'
        'Ein Fahrradschloss hat <B>n</B> Ringe, jeder Ring zeigt eine von <B>m</B> Zahlen. Wie viele verschiedene Einstellungen gibt es?')
    end
    object LabelRings: TLabel
      Left = 16
      Top = 172
      Width = 70
      Height = 18
      Visible = False
      AutoSize = False
      Caption = 'Ringe:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelRing1: TLabel
      Left = 88
      Top = 172
      Width = 64
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '1 Ring'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelRing2: TLabel
      Left = 156
      Top = 172
      Width = 64
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '2 Ringe'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelRing3: TLabel
      Left = 224
      Top = 172
      Width = 64
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '3 Ringe'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelRing4: TLabel
      Left = 292
      Top = 172
      Width = 64
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '4 Ringe'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelThree: TLabel
      Left = 12
      Top = 196
      Width = 76
      Height = 18
      Visible = False
      AutoSize = False
      Caption = '3 Zahlen:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelTen: TLabel
      Left = 12
      Top = 228
      Width = 76
      Height = 18
      Visible = False
      AutoSize = False
      Caption = '10 Zahlen:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit1: TEdit
      Left = 90
      Top = 192
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown1: TUpDown
      Left = 136
      Top = 192
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit1
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit2: TEdit
      Left = 158
      Top = 192
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown2: TUpDown
      Left = 204
      Top = 192
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit2
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit3: TEdit
      Left = 226
      Top = 192
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown3: TUpDown
      Left = 272
      Top = 192
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit3
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit4: TEdit
      Left = 294
      Top = 192
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown4: TUpDown
      Left = 340
      Top = 192
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit4
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit5: TEdit
      Left = 90
      Top = 224
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown5: TUpDown
      Left = 136
      Top = 224
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit5
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit6: TEdit
      Left = 158
      Top = 224
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown6: TUpDown
      Left = 204
      Top = 224
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit6
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit7: TEdit
      Left = 226
      Top = 224
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown7: TUpDown
      Left = 272
      Top = 224
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit7
      Min = 0
      Max = 99999
      Position = 0
    end
    object Edit8: TEdit
      Left = 294
      Top = 224
      Width = 46
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
    object UpDown8: TUpDown
      Left = 340
      Top = 224
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit8
      Min = 0
      Max = 99999
      Position = 0
    end
    object LabelLockTerm: TLabel
      Left = 16
      Top = 276
      Width = 150
      Height = 18
      Visible = False
      AutoSize = False
      Caption = 'm Zahlen, n Ringe:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object MMTerm1: TMMTerm
      Left = 170
      Top = 266
      Width = 120
      Height = 40
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object LabelNext: TLabel
      Left = 16
      Top = 322
      Width = 332
      Height = 40
      Visible = False
      AutoSize = False
      Caption = 'Richtig! Klicke auf Weiter, dann geht es mit der Bundesliga weiter.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 3939860
    end
    object XShapeLeague: TXShape
      Left = 372
      Top = 54
      Width = 356
      Height = 326
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object XShapePitch: TXShape
      Left = 382
      Top = 64
      Width = 110
      Height = 72
      Visible = False
      Shape = stTextBox
      Brush.Color = 4625980
      Pen.Color = 16777215
      Pen.Width = 2
    end
    object XShapeHalfway: TXShape
      Left = 436
      Top = 66
      Width = 2
      Height = 68
      Visible = False
      Shape = stTextBox
      Brush.Color = 16777215
      Pen.Color = 16777215
    end
    object XShapeCircle: TXShape
      Left = 425
      Top = 88
      Width = 24
      Height = 24
      Visible = False
      Shape = shEllipse
      Color2 = 16777215
      Brush.Style = bsClear
      Pen.Color = 16777215
      Pen.Width = 2
      ScaleX = 0.0
      ScaleY = 0.0
    end
    object XShapeBoxLeft: TXShape
      Left = 383
      Top = 84
      Width = 16
      Height = 32
      Visible = False
      Shape = stTextBox
      Brush.Style = bsClear
      Pen.Color = 16777215
      Pen.Width = 2
    end
    object XShapeBoxRight: TXShape
      Left = 475
      Top = 84
      Width = 16
      Height = 32
      Visible = False
      Shape = stTextBox
      Brush.Style = bsClear
      Pen.Color = 16777215
      Pen.Width = 2
    end
    object XShapeSpot: TXShape
      Left = 454
      Top = 94
      Width = 12
      Height = 12
      Visible = False
      Shape = shEllipse
      Color2 = 1973790
      Brush.Color = 16777215
      Pen.Color = 1973790
      ScaleX = 0.0
      ScaleY = 0.0
    end
    object MiniHTMLLeague: TMiniHTML
      Left = 500
      Top = 62
      Width = 222
      Height = 120
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Bundesliga</B><BR>'
        'Jede Mannschaft spielt gegen jede andere zweimal: einmal zu Hause und einmal auswärts. Wie viele Spiele gibt es bei <B>n</B> Mannschaften?')
    end
    object LabelTeams: TLabel
      Left = 376
      Top = 196
      Width = 101
      Height = 18
      Visible = False
      AutoSize = False
      Caption = 'Mannschaften:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelGames: TLabel
      Left = 376
      Top = 220
      Width = 101
      Height = 18
      Visible = False
      AutoSize = False
      Caption = 'Spiele:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object LabelTeams2: TLabel
      Left = 478
      Top = 196
      Width = 46
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '2'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit9: TEdit
      Left = 478
      Top = 216
      Width = 30
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object UpDown9: TUpDown
      Left = 508
      Top = 216
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit9
      Min = 0
      Max = 99
      Position = 0
    end
    object LabelTeams3: TLabel
      Left = 527
      Top = 196
      Width = 46
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '3'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit10: TEdit
      Left = 527
      Top = 216
      Width = 30
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object UpDown10: TUpDown
      Left = 557
      Top = 216
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit10
      Min = 0
      Max = 99
      Position = 0
    end
    object LabelTeams4: TLabel
      Left = 576
      Top = 196
      Width = 46
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '4'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit11: TEdit
      Left = 576
      Top = 216
      Width = 30
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object UpDown11: TUpDown
      Left = 606
      Top = 216
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit11
      Min = 0
      Max = 99
      Position = 0
    end
    object LabelTeams5: TLabel
      Left = 625
      Top = 196
      Width = 46
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '5'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit12: TEdit
      Left = 625
      Top = 216
      Width = 30
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object UpDown12: TUpDown
      Left = 655
      Top = 216
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit12
      Min = 0
      Max = 99
      Position = 0
    end
    object LabelTeams6: TLabel
      Left = 674
      Top = 196
      Width = 46
      Height = 18
      Visible = False
      AutoSize = False
      Alignment = taCenter
      Caption = '6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object Edit13: TEdit
      Left = 674
      Top = 216
      Width = 30
      Height = 24
      Visible = False
      Text = '0'
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object UpDown13: TUpDown
      Left = 704
      Top = 216
      Width = 17
      Height = 24
      Visible = False
      Associate = Edit13
      Min = 0
      Max = 99
      Position = 0
    end
    object LabelLeagueTerm: TLabel
      Left = 380
      Top = 276
      Width = 128
      Height = 18
      Visible = False
      AutoSize = False
      Caption = 'n Mannschaften:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 3939860
    end
    object MMTerm2: TMMTerm
      Left = 512
      Top = 266
      Width = 140
      Height = 40
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object PCVGlassButton2: TPCVGlassButton
      Left = 288
      Top = 424
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
