object fmBIZF: TfmBIZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 60
      Top = 12
      Width = 616
      Height = 64
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
    object Panel1: TPanel
      Left = 24
      Top = 92
      Width = 688
      Height = 276
      BevelOuter = bvNone
      Color = 15793407
      object Label1: TLabel
        Left = 20
        Top = 8
        Width = 640
        Height = 30
        AutoSize = False
        Caption = 'Merke: Binomische Formeln'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -22
        Font.Color = 5248016
        Font.Style = [fsBold]
      end
      object Label2: TLabel
        Left = 36
        Top = 52
        Width = 600
        Height = 22
        AutoSize = False
        Caption = '1. binomische Formel'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object Label3: TLabel
        Left = 60
        Top = 76
        Width = 600
        Height = 32
        AutoSize = False
        Caption = '(a + b)·(a + b) = (a + b)² = a² + 2ab + b²'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -24
        Font.Color = 6299664
        Font.Style = [fsBold]
      end
      object Label4: TLabel
        Left = 36
        Top = 126
        Width = 600
        Height = 22
        AutoSize = False
        Caption = '2. binomische Formel'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object Label5: TLabel
        Left = 60
        Top = 150
        Width = 600
        Height = 32
        AutoSize = False
        Caption = '(a − b)·(a − b) = (a − b)² = a² − 2ab + b²'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -24
        Font.Color = 6299664
        Font.Style = [fsBold]
      end
      object Label6: TLabel
        Left = 36
        Top = 200
        Width = 600
        Height = 22
        AutoSize = False
        Caption = '3. binomische Formel'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object Label7: TLabel
        Left = 60
        Top = 224
        Width = 600
        Height = 32
        AutoSize = False
        Caption = '(a + b)·(a − b) = a² − b²'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -24
        Font.Color = 6299664
        Font.Style = [fsBold]
      end
    end
    object Label8: TLabel
      Left = 24
      Top = 380
      Width = 688
      Height = 48
      AutoSize = False
      Caption = 'Die Formeln gelten für alle Zahlen und Terme, die man für a und b einsetzt. Von links nach rechts gelesen helfen sie beim Ausmultiplizieren, von rechts nach links beim Faktorisieren.'
      Transparent = True
      WordWrap = True
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object lbDatum: TLabel
      Left = 560
      Top = 446
      Width = 152
      Height = 22
      AutoSize = False
      Caption = '14.6.2000'
      Transparent = True
      Alignment = taRightJustify
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
  end
end
