inherited fmAEUbung: TfmAEUbung
  inherited PCPanel1: TPCPanel
    Color = 16311022
    inherited MiniHTML1: TMiniHTML
      Lines = (
        '<B>Äquivalent?</B> Sind die beiden Terme äquivalent? Wähle aus und klicke auf <B>Weiter</B>. '
        'Wie schnell schaffst du zehn Paare?')
    end
    inherited MMTerm1: TMMTerm
      Top = 148
      Width = 300
    end
    inherited Label1: TLabel
      Left = 328
      Width = 56
      Top = 154
      Caption = 'und'
      Font.Height = -19
    end
    inherited MMTerm2: TMMTerm
      Visible = False
    end
    object MMTerm3: TMMTerm
      Left = 384
      Top = 148
      Width = 324
      Height = 56
      Caption = '?'
      State = 2
      Font.Name = 'Tahoma'
      Font.Height = -20
    end
    object lbAntwort: TLabel
      Left = 150
      Top = 212
      Width = 236
      Height = 28
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Die beiden Terme sind'
      Transparent = True
      Layout = tlCenter
      Font.Name = 'Tahoma'
      Font.Height = -17
    end
    object MMCombo1: TMMCombo
      Left = 394
      Top = 212
      Width = 200
      Height = 28
      Font.Name = 'Tahoma'
      Font.Height = -17
      Items = ( 'äquivalent' 'nicht äquivalent' )
    end
  end
end
