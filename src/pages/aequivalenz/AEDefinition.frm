object fmAEDefinition: TfmAEDefinition
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16311022
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 24
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Definition</B>')
    end
    object XShape1: TXShape
      Left = 16
      Top = 34
      Width = 704
      Height = 146
      Shape = stRdTextBox
      Brush.Color = 14744319
      Pen.Color = 10079487
    end
    object MiniHTML2: TMiniHTML
      Left = 28
      Top = 42
      Width = 680
      Height = 132
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Merke:</B> Zwei Terme heißen <B>äquivalent</B> (gleichwertig), wenn sie für <I>jede</I> Zahl, '
        'die man für die Variablen einsetzt, denselben Wert haben.<BR><BR>'
        'Eine Wertetabelle kann zeigen, dass zwei Terme <B>nicht</B> äquivalent sind: Dafür genügt eine einzige '
        'Zahl, für die die beiden Werte verschieden sind. Beweisen, dass zwei Terme äquivalent sind, kann eine '
        'Tabelle dagegen nicht, denn man kann nie alle Zahlen einsetzen.')
    end
    object Label5: TLabel
      Left = 16
      Top = 192
      Width = 600
      Height = 22
      AutoSize = False
      Caption = 'Sind die beiden Terme äquivalent? Wähle aus.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
    end
    object Label1: TLabel
      Left = 16
      Top = 222
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm1: TMMTerm
      Left = 48
      Top = 222
      Width = 200
      Height = 36
      Caption = 'x+x'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd1: TLabel
      Left = 252
      Top = 222
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm2: TMMTerm
      Left = 300
      Top = 222
      Width = 200
      Height = 36
      Caption = '2*x'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo1: TMMCombo
      Left = 520
      Top = 227
      Width = 180
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( '+äquivalent' 'nicht äquivalent' )
    end
    object Label2: TLabel
      Left = 16
      Top = 268
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm3: TMMTerm
      Left = 48
      Top = 268
      Width = 200
      Height = 36
      Caption = 'x^2'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd2: TLabel
      Left = 252
      Top = 268
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm4: TMMTerm
      Left = 300
      Top = 268
      Width = 200
      Height = 36
      Caption = '2*x'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo2: TMMCombo
      Left = 520
      Top = 273
      Width = 180
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'äquivalent' '+nicht äquivalent' )
    end
    object Label3: TLabel
      Left = 16
      Top = 314
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm5: TMMTerm
      Left = 48
      Top = 314
      Width = 200
      Height = 36
      Caption = '3*(a+1)'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd3: TLabel
      Left = 252
      Top = 314
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm6: TMMTerm
      Left = 300
      Top = 314
      Width = 200
      Height = 36
      Caption = '3*a+3'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo3: TMMCombo
      Left = 520
      Top = 319
      Width = 180
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( '+äquivalent' 'nicht äquivalent' )
    end
    object Label4: TLabel
      Left = 16
      Top = 360
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
    end
    object MMTerm7: TMMTerm
      Left = 48
      Top = 360
      Width = 200
      Height = 36
      Caption = '(a+b)^2'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object lbUnd4: TLabel
      Left = 252
      Top = 360
      Width = 44
      Height = 36
      Alignment = taCenter
      AutoSize = False
      Caption = 'und'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
    object MMTerm8: TMMTerm
      Left = 300
      Top = 360
      Width = 200
      Height = 36
      Caption = 'a^2+b^2'
      State = 2
      Brush.Color = 16777215
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo4: TMMCombo
      Left = 520
      Top = 365
      Width = 180
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -15
      Items = ( 'äquivalent' '+nicht äquivalent' )
    end
    object lbSchluss: TLabel
      Left = 48
      Top = 412
      Width = 500
      Height = 62
      AutoSize = False
      WordWrap = True
      Caption = 'Bei x² und 2·x stimmen die Werte für x = 0 und für x = 2 überein, für x = 1 aber nicht: 1 ≠ 2. Schon dieses eine Gegenbeispiel zeigt, dass die Terme nicht äquivalent sind.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Color = 6299648
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 556
      Top = 420
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
