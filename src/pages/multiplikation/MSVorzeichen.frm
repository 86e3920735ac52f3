object fmMSVorzeichen: TfmMSVorzeichen
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16772340
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 56
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Vorzeichen</B><BR>'
        'Ein Minus in der Klammer gehört zu dem Glied, das dahinter steht. Multipliziere jedes Glied<BR>'
        'mit jedem, achte auf die Vorzeichen und fasse am Ende zusammen.'
      )
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 72
      Width = 328
      Height = 356
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 18
      Top = 80
      Width = 310
      Height = 20
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Die Vorzeichenregel</B>'
      )
    end
    object LabelSigns1: TLabel
      Left = 18
      Top = 104
      Width = 150
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(+)·(+) = +'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelSigns2: TLabel
      Left = 172
      Top = 104
      Width = 150
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(−)·(−) = +'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelSigns3: TLabel
      Left = 18
      Top = 130
      Width = 150
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(+)·(−) = −'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object LabelSigns4: TLabel
      Left = 172
      Top = 130
      Width = 150
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '(−)·(+) = −'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object MiniHTML3: TMiniHTML
      Left = 18
      Top = 160
      Width = 310
      Height = 40
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Gleiche Vorzeichen ergeben Plus, verschiedene Vorzeichen ergeben Minus.'
      )
    end
    object MiniHTML4: TMiniHTML
      Left = 18
      Top = 206
      Width = 310
      Height = 20
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Beispiel</B>'
      )
    end
    object MMTermExample1: TMMTerm
      Left = 40
      Top = 228
      Width = 288
      Height = 32
      Caption = '(y-2)*(y+6)'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelExampleIs2: TLabel
      Left = 18
      Top = 268
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTermExample2: TMMTerm
      Left = 40
      Top = 262
      Width = 288
      Height = 32
      Caption = 'y*y+y*6-2*y-2*6'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelExampleIs3: TLabel
      Left = 18
      Top = 302
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTermExample3: TMMTerm
      Left = 40
      Top = 296
      Width = 288
      Height = 32
      Caption = 'y^2+6*y-2*y-12'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelExampleIs4: TLabel
      Left = 18
      Top = 336
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTermExample4: TMMTerm
      Left = 40
      Top = 330
      Width = 288
      Height = 32
      Caption = 'y^2+4*y-12'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MiniHTML5: TMiniHTML
      Left = 18
      Top = 368
      Width = 310
      Height = 56
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Die Glieder 6·y und −2·y sind gleichartig: Zusammen ergeben sie 4·y. (−2)·6 ergibt −12.'
      )
    end
    object LabelTasks: TLabel
      Left = 346
      Top = 78
      Width = 382
      Height = 18
      AutoSize = False
      Caption = 'Multipliziere aus und fasse zusammen:'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
    end
    object LabelRow1: TLabel
      Left = 346
      Top = 115
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask1: TMMTerm
      Left = 364
      Top = 106
      Width = 160
      Height = 36
      Caption = '(x+3)*(x-5)'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs1: TLabel
      Left = 524
      Top = 113
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm1: TMMTerm
      Left = 546
      Top = 106
      Width = 182
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow2: TLabel
      Left = 346
      Top = 171
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask2: TMMTerm
      Left = 364
      Top = 162
      Width = 160
      Height = 36
      Caption = '(a-b)*(c-d)'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs2: TLabel
      Left = 524
      Top = 169
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm2: TMMTerm
      Left = 546
      Top = 162
      Width = 182
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow3: TLabel
      Left = 346
      Top = 227
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask3: TMMTerm
      Left = 364
      Top = 218
      Width = 160
      Height = 36
      Caption = '(2*x-1)*(x+4)'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs3: TLabel
      Left = 524
      Top = 225
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm3: TMMTerm
      Left = 546
      Top = 218
      Width = 182
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object LabelRow4: TLabel
      Left = 346
      Top = 283
      Width = 18
      Height = 18
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object MMTermTask4: TMMTerm
      Left = 364
      Top = 274
      Width = 160
      Height = 36
      Caption = '(3-y)*(3+y)'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object LabelIs4: TLabel
      Left = 524
      Top = 281
      Width = 22
      Height = 22
      AutoSize = False
      Alignment = taCenter
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -18
      Font.Style = [fsBold]
    end
    object MMTerm4: TMMTerm
      Left = 546
      Top = 274
      Width = 182
      Height = 36
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 436
      Width = 150
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
