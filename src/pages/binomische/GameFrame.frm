object fmGameFrame: TfmGameFrame
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 16
      Top = 136
      Width = 704
      Height = 112
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = -0.500000000000000000
    end
    object MiniHTML1: TMiniHTML
      Left = 24
      Top = 24
      Width = 688
      Height = 96
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -19
    end
    object MMTerm1: TMMTerm
      Left = 24
      Top = 164
      Width = 318
      Height = 56
      Caption = '?'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object Label1: TLabel
      Left = 345
      Top = 170
      Width = 36
      Height = 44
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -32
    end
    object MMTerm2: TMMTerm
      Left = 384
      Top = 164
      Width = 326
      Height = 56
      Caption = '?'
      State = 0
      Font.Name = 'Tahoma'
      Font.Height = -20
      OnClick = MMTerm1Click
    end
    object PCVGlass1: TPCVGlass
      Left = 28
      Top = 282
      Width = 30
      Height = 32
      Radius = 16
      Color = 4227072
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
      Top = 274
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
    object PCVGlassButton2: TPCVGlassButton
      Left = 390
      Top = 274
      Width = 150
      Height = 48
      Color = 10510368
      Caption = '&Nochmal'
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clNavy
      EnhancedColor = clRed
      OnClick = PCVGlassButton2Click
    end
    object Label2: TLabel
      Left = 508
      Top = 340
      Width = 200
      Height = 50
      Alignment = taRightJustify
      AutoSize = False
      Caption = '0'
      Transparent = True
      Font.Name = 'Quartz'
      Font.Height = -37
    end
  end
  object Timer1: TTimer
    OnTimer = Timer1Timer
  end
end
