object fmBIAlle: TfmBIAlle
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object Label5: TLabel
      Left = 24
      Top = 16
      Width = 688
      Height = 28
      AutoSize = False
      Caption = 'Die folgenden Terme sind jeweils gleichwertig (äquivalent):'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Style = [fsBold]
    end
    object Panel1: TPanel
      Left = 24
      Top = 54
      Width = 688
      Height = 218
      BevelOuter = bvNone
      Color = 15793407
      object MiniHTML1: TMiniHTML
        Left = 32
        Top = 10
        Width = 640
        Height = 204
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -21
        Lines = (
          '<b>(a + b)² = a² + 2ab + b²</b> <br> <br>'
          '<b>(a − b)² = a² − 2ab + b²</b> <br> <br>'
          '<b>(a + b)·(a − b) = a² − b²</b>  <br> <br>'
          '(Binomische Formeln)')
      end
    end
    object Label1: TLabel
      Left = 24
      Top = 284
      Width = 688
      Height = 26
      AutoSize = False
      Caption = 'Sie lassen sich auch über die Multiplikation von Summen nachweisen:'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label2: TLabel
      Left = 56
      Top = 316
      Width = 640
      Height = 28
      AutoSize = False
      Caption = '(a + b)·(a + b) = a² + ab + ba + b² = a² + 2ab + b²'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Color = 6299664
    end
    object Label3: TLabel
      Left = 56
      Top = 346
      Width = 640
      Height = 28
      AutoSize = False
      Caption = '(a − b)·(a − b) = a² − ab − ba + b² = a² − 2ab + b²'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Color = 6299664
    end
    object Label4: TLabel
      Left = 56
      Top = 376
      Width = 640
      Height = 28
      AutoSize = False
      Caption = '(a + b)·(a − b) = a² − ab + ba − b² = a² − b²'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -20
      Font.Color = 6299664
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
      Top = 420
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
