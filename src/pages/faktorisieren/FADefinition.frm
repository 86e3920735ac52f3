object fmFADefinition: TfmFADefinition
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 13168895
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 90
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        '<B>Definition</B><BR>'
        'Beim Ausmultiplizieren wird aus einem Produkt eine Summe. Oft braucht man aber den umgekehrten Weg: Man verwandelt eine Summe in ein äquivalentes Produkt. Diese Termumwandlung bezeichnet man als <B>Faktorisieren</B>.<BR>'
        'In welcher Richtung wird hier jeweils faktorisiert?')
    end
    object XShape1: TXShape
      Left = 8
      Top = 101
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 12381380
      Pen.Style = psClear
    end
    object XShape2: TXShape
      Left = 8
      Top = 143
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 12381380
      Pen.Style = psClear
    end
    object XShape3: TXShape
      Left = 8
      Top = 185
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 12381380
      Pen.Style = psClear
    end
    object XShape4: TXShape
      Left = 8
      Top = 227
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 11065087
      Pen.Style = psClear
    end
    object XShape5: TXShape
      Left = 8
      Top = 269
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 11065087
      Pen.Style = psClear
    end
    object XShape6: TXShape
      Left = 8
      Top = 311
      Width = 668
      Height = 42
      Visible = False
      Shape = srRect
      Brush.Color = 11065087
      Pen.Style = psClear
    end
    object Label1: TLabel
      Left = 12
      Top = 104
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm1: TMMTerm
      Left = 44
      Top = 104
      Width = 260
      Height = 36
      Caption = 'a*(b+c)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo1: TMMCombo
      Left = 318
      Top = 109
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '->' '+<-' )
    end
    object MMTerm2: TMMTerm
      Left = 404
      Top = 104
      Width = 260
      Height = 36
      Caption = 'a*b+a*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label2: TLabel
      Left = 12
      Top = 146
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm3: TMMTerm
      Left = 44
      Top = 146
      Width = 260
      Height = 36
      Caption = 'x*a+x*b+y*a+y*b'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo2: TMMCombo
      Left = 318
      Top = 151
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '+->' '<-' )
    end
    object MMTerm4: TMMTerm
      Left = 404
      Top = 146
      Width = 260
      Height = 36
      Caption = '(x+y)*(a+b)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label3: TLabel
      Left = 12
      Top = 188
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm5: TMMTerm
      Left = 44
      Top = 188
      Width = 260
      Height = 36
      Caption = '(2*a+4*b+c)*7'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo3: TMMCombo
      Left = 318
      Top = 193
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '->' '+<-' )
    end
    object MMTerm6: TMMTerm
      Left = 404
      Top = 188
      Width = 260
      Height = 36
      Caption = '14*a+28*b+7*c'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label4: TLabel
      Left = 12
      Top = 230
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm7: TMMTerm
      Left = 44
      Top = 230
      Width = 260
      Height = 36
      Caption = '(a-b)*(a+b)'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo4: TMMCombo
      Left = 318
      Top = 235
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '->' '+<-' )
    end
    object MMTerm8: TMMTerm
      Left = 404
      Top = 230
      Width = 260
      Height = 36
      Caption = 'a^2-b^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label5: TLabel
      Left = 12
      Top = 272
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '5.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm9: TMMTerm
      Left = 44
      Top = 272
      Width = 260
      Height = 36
      Caption = '(2*x+3*y)^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo5: TMMCombo
      Left = 318
      Top = 277
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '->' '+<-' )
    end
    object MMTerm10: TMMTerm
      Left = 404
      Top = 272
      Width = 260
      Height = 36
      Caption = '4*x^2+12*x*y+9*y^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object Label6: TLabel
      Left = 12
      Top = 314
      Width = 28
      Height = 36
      AutoSize = False
      Caption = '6.'
      Transparent = True
      Layout = tlCenter
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object MMTerm11: TMMTerm
      Left = 44
      Top = 314
      Width = 260
      Height = 36
      Caption = '(a-b)^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MMCombo6: TMMCombo
      Left = 318
      Top = 319
      Width = 72
      Height = 26
      Font.Name = 'Tahoma'
      Font.Height = -16
      Items = ( '->' '+<-' )
    end
    object MMTerm12: TMMTerm
      Left = 404
      Top = 314
      Width = 260
      Height = 36
      Caption = 'a^2-2*a*b+b^2'
      State = 2
      Brush.Color = 14481663
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -18
    end
    object MiniHTML2: TMiniHTML
      Left = 16
      Top = 362
      Width = 520
      Height = 60
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -15
      Lines.Strings = (
        'Wie du siehst, kann man zum Faktorisieren entweder ausklammern (Paare 1 bis 3) oder eine binomische Formel rückwärts anwenden (Paare 4 bis 6).')
    end
    object PCPanel2: TPCPanel
      Left = 552
      Top = 356
      Width = 168
      Height = 78
      Visible = False
      BackgroundMode = bmVFloat
      Color = 16777215
      Color2 = 14478572
      Pen.Color = 8421504
      object Label7: TLabel
        Left = 8
        Top = 6
        Width = 156
        Height = 20
        AutoSize = False
        Caption = 'Faktorisieren'
        Transparent = True
        Font.Height = -15
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
      end
      object XShape7: TXShape
        Left = 10
        Top = 32
        Width = 18
        Height = 16
        Shape = srRect
        Brush.Color = 12381380
        Pen.Color = 8421504
      end
      object Label8: TLabel
        Left = 36
        Top = 30
        Width = 124
        Height = 20
        AutoSize = False
        Caption = 'Ausklammern'
        Transparent = True
        Font.Height = -14
        Font.Name = 'Tahoma'
      end
      object XShape8: TXShape
        Left = 10
        Top = 54
        Width = 18
        Height = 16
        Shape = srRect
        Brush.Color = 11065087
        Pen.Color = 8421504
      end
      object Label9: TLabel
        Left = 36
        Top = 52
        Width = 124
        Height = 20
        AutoSize = False
        Caption = 'binom. Formeln'
        Transparent = True
        Font.Height = -14
        Font.Name = 'Tahoma'
      end
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 288
      Top = 428
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
