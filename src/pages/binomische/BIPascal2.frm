object fmBIPascal2: TfmBIPascal2
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
        'Multipliziere die folgenden Terme aus und schreibe jedes Ergebnis als Summe, '
        'so wie in den ersten beiden Zeilen. Die Vorzahl 1 darfst du auch weglassen.<BR>'
        'Du multiplizierst aus wie im Kapitel „Multiplikation von Summen“.')
    end
    object MMTerm1: TMMTerm
      Left = 28
      Top = 100
      Width = 100
      Height = 46
      Caption = '(a+b)^1'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label1: TLabel
      Left = 128
      Top = 100
      Width = 28
      Height = 46
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Layout = tlCenter
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -22
    end
    object MMTerm6: TMMTerm
      Left = 160
      Top = 100
      Width = 548
      Height = 46
      Caption = '1*a+1*b'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMTerm2: TMMTerm
      Left = 28
      Top = 156
      Width = 100
      Height = 46
      Caption = '(a+b)^2'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label2: TLabel
      Left = 128
      Top = 156
      Width = 28
      Height = 46
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Layout = tlCenter
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -22
    end
    object MMTerm7: TMMTerm
      Left = 160
      Top = 156
      Width = 548
      Height = 46
      Caption = '1*a^2+2*a*b+1*b^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMTerm3: TMMTerm
      Left = 28
      Top = 212
      Width = 100
      Height = 46
      Caption = '(a+b)^3'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label3: TLabel
      Left = 128
      Top = 212
      Width = 28
      Height = 46
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Layout = tlCenter
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -22
    end
    object MMTerm8: TMMTerm
      Left = 160
      Top = 212
      Width = 548
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object MMTerm4: TMMTerm
      Left = 28
      Top = 268
      Width = 100
      Height = 46
      Caption = '(a+b)^4'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label4: TLabel
      Left = 128
      Top = 268
      Width = 28
      Height = 46
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Layout = tlCenter
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -22
    end
    object MMTerm9: TMMTerm
      Left = 160
      Top = 268
      Width = 548
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object MMTerm5: TMMTerm
      Left = 28
      Top = 324
      Width = 100
      Height = 46
      Caption = '(a+b)^5'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label5: TLabel
      Left = 128
      Top = 324
      Width = 28
      Height = 46
      Alignment = taCenter
      AutoSize = False
      Caption = '='
      Layout = tlCenter
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -22
    end
    object MMTerm10: TMMTerm
      Left = 160
      Top = 324
      Width = 548
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
      OnClick = MMTerm1Click
    end
    object Label6: TLabel
      Left = 24
      Top = 400
      Width = 520
      Height = 48
      AutoSize = False
      Caption = 'Vergleiche auch mit dem Diagramm auf der vorhergehenden Seite!'
      WordWrap = True
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 558
      Top = 412
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
