object fmAUTermDialog: TfmAUTermDialog
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 100
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Der Termdialog</B><BR>'
        'Jedes weiße Feld mit einem <B>?</B> wartet auf deinen Term. Klicke darauf: '
        'Dann öffnet sich das Fenster für die Termeingabe. Tippe den Term dort ein, die '
        'Vorschau zeigt ihn dir sofort so, wie er im Heft aussieht. Die Knöpfe unter dem '
        'Eingabefeld setzen Klammern und Rechenzeichen ein, <B>x<SUP>n</SUP></B> das Zeichen ^ für '
        'Potenzen; die Taste <B>Entf</B> löscht die ganze Eingabe. Mit <B>OK</B> kommt dein '
        'Term in das Feld.<BR>'
        'Schreibe jeden Term in das Feld rechts daneben ab und klicke dann auf <B>Weiter</B>.')
    end
    object MMTerm1: TMMTerm
      Left = 24
      Top = 116
      Width = 150
      Height = 30
      Caption = 'a+b'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm2: TMMTerm
      Left = 184
      Top = 116
      Width = 150
      Height = 30
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm2Click
    end
    object MMTerm3: TMMTerm
      Left = 24
      Top = 152
      Width = 150
      Height = 40
      Caption = 'x/y'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm4: TMMTerm
      Left = 184
      Top = 152
      Width = 150
      Height = 40
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object MMTerm5: TMMTerm
      Left = 24
      Top = 198
      Width = 150
      Height = 30
      Caption = '2*(x+y)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm6: TMMTerm
      Left = 184
      Top = 198
      Width = 150
      Height = 30
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object MMTerm7: TMMTerm
      Left = 24
      Top = 234
      Width = 150
      Height = 34
      Caption = '(a+b)^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm11: TMMTerm
      Left = 184
      Top = 234
      Width = 150
      Height = 34
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object MMTerm8: TMMTerm
      Left = 24
      Top = 274
      Width = 150
      Height = 34
      Caption = '(a-c^2)^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm12: TMMTerm
      Left = 184
      Top = 274
      Width = 150
      Height = 34
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object MMTerm9: TMMTerm
      Left = 24
      Top = 314
      Width = 150
      Height = 32
      Caption = 'x^4-y^4'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm13: TMMTerm
      Left = 184
      Top = 314
      Width = 150
      Height = 32
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object MMTerm10: TMMTerm
      Left = 24
      Top = 352
      Width = 150
      Height = 32
      Caption = '2*(x^4-y^4)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object MMTerm14: TMMTerm
      Left = 184
      Top = 352
      Width = 150
      Height = 32
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -16
      OnClick = MMTerm1Click
    end
    object PCPanel2: TPCPanel
      Left = 376
      Top = 112
      Width = 344
      Height = 276
      Visible = False
      BackgroundMode = bmVFloat
      Color = 16772829
      Color2 = 16777215
      object MMTerm15: TMMTerm
        Left = 8
        Top = 10
        Width = 160
        Height = 48
        Caption = '(a+b)/(c+d)'
        State = 2
        Brush.Color = 14481663
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object MMTerm16: TMMTerm
        Left = 176
        Top = 10
        Width = 160
        Height = 48
        Caption = '?'
        State = 0
        Brush.Color = clWhite
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
        OnClick = MMTerm1Click
      end
      object MMTerm17: TMMTerm
        Left = 8
        Top = 66
        Width = 160
        Height = 52
        Caption = '(a+b)^2/(c+d)'
        State = 2
        Brush.Color = 14481663
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object MMTerm18: TMMTerm
        Left = 176
        Top = 66
        Width = 160
        Height = 52
        Caption = '?'
        State = 0
        Brush.Color = clWhite
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
        OnClick = MMTerm1Click
      end
      object MMTerm19: TMMTerm
        Left = 8
        Top = 126
        Width = 160
        Height = 52
        Caption = '(a+b)^2/(c+d)*z'
        State = 2
        Brush.Color = 14481663
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object MMTerm20: TMMTerm
        Left = 176
        Top = 126
        Width = 160
        Height = 52
        Caption = '?'
        State = 0
        Brush.Color = clWhite
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
        OnClick = MMTerm1Click
      end
      object MMTerm21: TMMTerm
        Left = 8
        Top = 186
        Width = 160
        Height = 68
        Caption = '(a+b^2)^3/(x/y)'
        State = 2
        Brush.Color = 14481663
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
      end
      object MMTerm22: TMMTerm
        Left = 176
        Top = 186
        Width = 160
        Height = 68
        Caption = '?'
        State = 0
        Brush.Color = clWhite
        Transparent = False
        Font.Name = 'Tahoma'
        Font.Height = -16
        OnClick = MMTerm1Click
      end
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 288
      Top = 420
      Width = 160
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
