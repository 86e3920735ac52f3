object fmMSFehlersuche: TfmMSFehlersuche
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
        '<B>Fehlersuche</B><BR>'
        'Vier Schülerinnen und Schüler haben ausmultipliziert. Finde in jeder Rechnung den Fehler.<BR>'
        'Wähle aus, was falsch ist, oder „Kein Fehler“, wenn die Rechnung stimmt.'
      )
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 74
      Width = 720
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object LabelRow1: TLabel
      Left = 20
      Top = 86
      Width = 22
      Height = 22
      AutoSize = False
      Caption = '1.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object LabelWork1: TLabel
      Left = 44
      Top = 84
      Width = 480
      Height = 24
      AutoSize = False
      Caption = '(x + 2)·(x + 3) = x² + 3·x + 6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Color = 6697728
    end
    object MMCombo1: TMMCombo
      Left = 512
      Top = 84
      Width = 204
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        '+Ein Produkt fehlt'
        'Vorzeichenfehler'
        'Falsch zusammengefasst'
        'Kein Fehler'
      )
    end
    object LabelFix1: TLabel
      Left = 44
      Top = 118
      Width = 672
      Height = 20
      AutoSize = False
      Caption = 'Richtig: x² + 3·x + 2·x + 6 = x² + 5·x + 6. Das Produkt 2·x fehlte.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Color = 3381555
    end
    object XShapeCard2: TXShape
      Left = 8
      Top = 162
      Width = 720
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object LabelRow2: TLabel
      Left = 20
      Top = 174
      Width = 22
      Height = 22
      AutoSize = False
      Caption = '2.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object LabelWork2: TLabel
      Left = 44
      Top = 172
      Width = 480
      Height = 24
      AutoSize = False
      Caption = '(a − 3)·(a + 2) = a² + 2·a + 3·a − 6'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Color = 6697728
    end
    object MMCombo2: TMMCombo
      Left = 512
      Top = 172
      Width = 204
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Ein Produkt fehlt'
        '+Vorzeichenfehler'
        'Falsch zusammengefasst'
        'Kein Fehler'
      )
    end
    object LabelFix2: TLabel
      Left = 44
      Top = 206
      Width = 672
      Height = 20
      AutoSize = False
      Caption = 'Richtig: a² + 2·a − 3·a − 6 = a² − a − 6, denn (−3)·a = −3·a.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Color = 3381555
    end
    object XShapeCard3: TXShape
      Left = 8
      Top = 250
      Width = 720
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object LabelRow3: TLabel
      Left = 20
      Top = 262
      Width = 22
      Height = 22
      AutoSize = False
      Caption = '3.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object LabelWork3: TLabel
      Left = 44
      Top = 260
      Width = 480
      Height = 24
      AutoSize = False
      Caption = '2·x·(x + 3) + x = 2·x² + 6·x + x = 9·x²'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Color = 6697728
    end
    object MMCombo3: TMMCombo
      Left = 512
      Top = 260
      Width = 204
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Ein Produkt fehlt'
        'Vorzeichenfehler'
        '+Falsch zusammengefasst'
        'Kein Fehler'
      )
    end
    object LabelFix3: TLabel
      Left = 44
      Top = 294
      Width = 672
      Height = 20
      AutoSize = False
      Caption = 'Richtig: 2·x² + 6·x + x = 2·x² + 7·x. Nur 6·x und x sind gleichartig.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Color = 3381555
    end
    object XShapeCard4: TXShape
      Left = 8
      Top = 338
      Width = 720
      Height = 78
      Shape = stRdTextBox
      Brush.Color = 16777215
      Pen.Color = 13808800
    end
    object LabelRow4: TLabel
      Left = 20
      Top = 350
      Width = 22
      Height = 22
      AutoSize = False
      Caption = '4.'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -16
    end
    object LabelWork4: TLabel
      Left = 44
      Top = 348
      Width = 480
      Height = 24
      AutoSize = False
      Caption = '(y + 1)·(y − 1) = y² − y + y − 1 = y² − 1'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Color = 6697728
    end
    object MMCombo4: TMMCombo
      Left = 512
      Top = 348
      Width = 204
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      Items.Strings = (
        'Ein Produkt fehlt'
        'Vorzeichenfehler'
        'Falsch zusammengefasst'
        '+Kein Fehler'
      )
    end
    object LabelFix4: TLabel
      Left = 44
      Top = 382
      Width = 672
      Height = 20
      AutoSize = False
      Caption = 'Diese Rechnung stimmt: −y + y = 0.'
      Transparent = True
      Visible = False
      Font.Name = 'Tahoma'
      Font.Height = -14
      Font.Color = 3381555
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 540
      Top = 434
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
