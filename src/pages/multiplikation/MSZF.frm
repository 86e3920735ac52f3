object fmMSZF: TfmMSZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 148
      Top = 6
      Width = 440
      Height = 52
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Zusammenfassung'
      Font.Color = 5248016
      Font.Height = -26
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 64
      Width = 354
      Height = 118
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML1: TMiniHTML
      Left = 18
      Top = 70
      Width = 334
      Height = 52
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Zahl mal Summe</B><BR>'
        'Jeder Summand in der Klammer wird mit der Zahl davor multipliziert (Distributivgesetz).'
      )
    end
    object LabelRule1: TLabel
      Left = 18
      Top = 126
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = 'a·(b + c) = a·b + a·c'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelExample1: TLabel
      Left = 18
      Top = 152
      Width = 334
      Height = 20
      AutoSize = False
      Alignment = taCenter
      Caption = '3·(x + 4) = 3·x + 12'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object XShapeCard2: TXShape
      Left = 8
      Top = 190
      Width = 354
      Height = 118
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 18
      Top = 196
      Width = 334
      Height = 52
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Summe mal Summe</B><BR>'
        'Jedes Glied der ersten Summe wird mit jedem Glied der zweiten multipliziert.'
      )
    end
    object LabelRule2: TLabel
      Left = 18
      Top = 252
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(a + b)·(c + d) = a·c + a·d + b·c + b·d'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelExample2: TLabel
      Left = 18
      Top = 278
      Width = 334
      Height = 20
      AutoSize = False
      Alignment = taCenter
      Caption = '(x + 2)·(y + 3) = x·y + 3·x + 2·y + 6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object XShapeCard3: TXShape
      Left = 8
      Top = 316
      Width = 354
      Height = 128
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML3: TMiniHTML
      Left = 18
      Top = 322
      Width = 334
      Height = 52
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Vorzeichen</B><BR>'
        'Das Minus gehört zu dem Glied dahinter. Gleiche Vorzeichen ergeben Plus, verschiedene Minus.'
      )
    end
    object LabelRule3: TLabel
      Left = 18
      Top = 378
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(−)·(−) = +    (+)·(−) = −'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelExample3: TLabel
      Left = 18
      Top = 406
      Width = 334
      Height = 20
      AutoSize = False
      Alignment = taCenter
      Caption = '(x + 3)·(x − 5) = x² − 5·x + 3·x − 15'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object XShapeCard4: TXShape
      Left = 374
      Top = 64
      Width = 354
      Height = 118
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML4: TMiniHTML
      Left = 384
      Top = 70
      Width = 334
      Height = 52
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Zusammenfassen</B><BR>'
        'Gleichartige Glieder (gleiche Buchstaben, gleiche Hochzahlen) fasst du zum Schluss zusammen.'
      )
    end
    object LabelRule4: TLabel
      Left = 384
      Top = 126
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '−5·x + 3·x = −2·x'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelExample4: TLabel
      Left = 384
      Top = 152
      Width = 334
      Height = 20
      AutoSize = False
      Alignment = taCenter
      Caption = 'x² − 5·x + 3·x − 15 = x² − 2·x − 15'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -14
    end
    object XShapeCard5: TXShape
      Left = 374
      Top = 190
      Width = 354
      Height = 254
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTML5: TMiniHTML
      Left = 384
      Top = 196
      Width = 334
      Height = 52
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Gleiche Faktoren</B><BR>'
        'Drei Produkte kommen so oft vor, dass du sie kennen solltest. Es sind die binomischen Formeln:'
      )
    end
    object LabelBinom1: TLabel
      Left = 384
      Top = 262
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(a + b)·(a + b) = a² + 2·a·b + b²'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelBinom2: TLabel
      Left = 384
      Top = 296
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(a − b)·(a − b) = a² − 2·a·b + b²'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelBinom3: TLabel
      Left = 384
      Top = 330
      Width = 334
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(a + b)·(a − b) = a² − b²'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object MiniHTML6: TMiniHTML
      Left = 384
      Top = 366
      Width = 334
      Height = 72
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Beim Ausmultiplizieren entsteht a·b zweimal, zusammen 2·a·b.<BR>'
        'In (a + b)·(a − b) heben sich −a·b und +a·b auf.'
      )
    end
    object lbDatum: TLabel
      Left = 300
      Top = 452
      Width = 136
      Height = 18
      AutoSize = False
      Alignment = taCenter
      Caption = '14.6.2000'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Color = 3939860
    end
  end
end
