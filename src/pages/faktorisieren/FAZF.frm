object fmFAZF: TfmFAZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 13168895
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 60
      Top = 10
      Width = 616
      Height = 72
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Zusammenfassung'
      Font.Color = 5248016
      Font.Height = -30
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
    object PCShape2: TPCShape
      Left = 32
      Top = 98
      Width = 672
      Height = 126
      Color = clWhite
      TransparentOX = 0.500000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 0.800000000000000000
      TransparentSY = 0.000000000000000000
      Pen.Color = 8421504
      ShapeForm = sfRectangle
    end
    object Label1: TLabel
      Left = 48
      Top = 106
      Width = 120
      Height = 28
      AutoSize = False
      Caption = 'Merke:'
      Transparent = True
      Font.Color = 192
      Font.Height = -22
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = 72
      Top = 140
      Width = 600
      Height = 30
      AutoSize = False
      Caption = 'Faktorisieren'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -22
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label3: TLabel
      Left = 72
      Top = 178
      Width = 640
      Height = 30
      AutoSize = False
      Caption = 'heißt, eine Summe in ein äquivalentes Produkt zu verwandeln.'
      Transparent = True
      Font.Color = 8388608
      Font.Height = -20
      Font.Name = 'Tahoma'
    end
    object Label4: TLabel
      Left = 48
      Top = 244
      Width = 600
      Height = 24
      AutoSize = False
      Caption = 'Dafür kennst du zwei Wege:'
      Transparent = True
      Font.Height = -18
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Label5: TLabel
      Left = 64
      Top = 284
      Width = 266
      Height = 24
      AutoSize = False
      Caption = 'Ausklammern'
      Transparent = True
      Font.Height = -18
      Font.Name = 'Tahoma'
    end
    object MMTerm1: TMMTerm
      Left = 336
      Top = 276
      Width = 160
      Height = 34
      Caption = 'a*b+a*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label6: TLabel
      Left = 496
      Top = 280
      Width = 32
      Height = 30
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Font.Height = -22
      Font.Name = 'Tahoma'
    end
    object MMTerm2: TMMTerm
      Left = 528
      Top = 276
      Width = 160
      Height = 34
      Caption = 'a*(b+c)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label7: TLabel
      Left = 64
      Top = 334
      Width = 266
      Height = 24
      AutoSize = False
      Caption = 'binomische Formel rückwärts'
      Transparent = True
      Font.Height = -18
      Font.Name = 'Tahoma'
    end
    object MMTerm3: TMMTerm
      Left = 336
      Top = 326
      Width = 160
      Height = 34
      Caption = 'a^2-2*a*b+b^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label8: TLabel
      Left = 496
      Top = 330
      Width = 32
      Height = 30
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Font.Height = -22
      Font.Name = 'Tahoma'
    end
    object MMTerm4: TMMTerm
      Left = 528
      Top = 326
      Width = 160
      Height = 34
      Caption = '(a-b)^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label9: TLabel
      Left = 48
      Top = 386
      Width = 640
      Height = 24
      AutoSize = False
      Caption = 'Der umgekehrte Weg, vom Produkt zur Summe, heißt Ausmultiplizieren.'
      Transparent = True
      Font.Height = -16
      Font.Name = 'Tahoma'
    end
    object lbDatum: TLabel
      Left = 536
      Top = 436
      Width = 150
      Height = 22
      Alignment = taRightJustify
      AutoSize = False
      Caption = '14.6.2000'
      Transparent = True
      Font.Color = 8421504
      Font.Height = -15
      Font.Name = 'Tahoma'
    end
  end
end
