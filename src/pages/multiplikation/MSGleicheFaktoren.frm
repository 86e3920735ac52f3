object fmMSGleicheFaktoren: TfmMSGleicheFaktoren
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
        '<B>Gleiche Faktoren</B><BR>'
        'Hier wird eine Summe mit sich selbst oder mit einer fast gleichen Summe multipliziert.<BR>'
        'Multipliziere aus und fasse zusammen.'
      )
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 72
      Width = 328
      Height = 206
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object MiniHTML2: TMiniHTML
      Left = 18
      Top = 80
      Width = 310
      Height = 96
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Zwei gleiche Produkte</B><BR>'
        'Bei (a + b)·(a + b) entstehen a·b und b·a. Die Reihenfolge der Faktoren ist beim Multiplizieren egal: '
        'b·a ist dasselbe Produkt wie a·b. Darum fasst du zusammen:'
      )
    end
    object LabelRule: TLabel
      Left = 18
      Top = 180
      Width = 310
      Height = 26
      AutoSize = False
      Alignment = taCenter
      Caption = 'a·b + b·a = 2·a·b'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Style = [fsBold]
      Font.Color = 6299664
    end
    object MiniHTML3: TMiniHTML
      Left = 18
      Top = 214
      Width = 310
      Height = 90
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Ebenso ist a·a = a².<BR>'
        'Bei einem Minus hilft die Vorzeichenregel:<BR>'
        '(−b)·(−b) = b² und a·(−b) = −a·b.'
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
      Caption = '(a+b)*(a+b)'
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
      Caption = '(a-b)*(a-b)'
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
      Caption = '(a+b)*(a-b)'
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
    object XShapeCard2: TXShape
      Left = 8
      Top = 290
      Width = 328
      Height = 84
      Shape = stRdTextBox
      Visible = False
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object MiniHTML4: TMiniHTML
      Left = 18
      Top = 298
      Width = 310
      Height = 40
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        'Diese drei Produkte kommen in der Algebra so oft vor, dass sie einen eigenen Namen haben.'
      )
    end
    object MiniHTMLLink: TMiniHTML
      Left = 18
      Top = 342
      Width = 234
      Height = 20
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -13
      OnHyperjump = MiniHTMLLinkHyperjump
      Lines.Strings = (
        '<A HREF=800>Das sind die binomischen Formeln.</A>'
      )
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
