object fmAUWortform: TfmAUWortform
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 44
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Wortform</B><BR>'
        'Schreibe jede Beschreibung als Term: Klicke auf das weiße Feld daneben und gib den Term ein.')
    end
    object XShapeRow1: TXShape
      Left = 12
      Top = 56
      Width = 482
      Height = 46
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow1: TMiniHTML
      Left = 22
      Top = 70
      Width = 466
      Height = 38
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>1.</B>  Addiere x zu y und subtrahiere z vom Ergebnis.')
    end
    object MMTerm1: TMMTerm
      Left = 504
      Top = 56
      Width = 220
      Height = 46
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow2: TXShape
      Left = 12
      Top = 106
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow2: TMiniHTML
      Left = 22
      Top = 120
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>2.</B>  Addiere x zu y und multipliziere das Ergebnis mit 4.')
    end
    object MMTerm2: TMMTerm
      Left = 504
      Top = 106
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow3: TXShape
      Left = 12
      Top = 156
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow3: TMiniHTML
      Left = 22
      Top = 170
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>3.</B>  Multipliziere das Quadrat von a mit b.')
    end
    object MMTerm3: TMMTerm
      Left = 504
      Top = 156
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow4: TXShape
      Left = 12
      Top = 206
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow4: TMiniHTML
      Left = 22
      Top = 220
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>4.</B>  Quadriere die Summe aus a, b und c.')
    end
    object MMTerm4: TMMTerm
      Left = 504
      Top = 206
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow5: TXShape
      Left = 12
      Top = 256
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow5: TMiniHTML
      Left = 22
      Top = 261
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>5.</B>  Bilde einen Bruch: Im Zähler steht die Summe aus a und dem Produkt von b und c, im Nenner die vierte Potenz von a.')
    end
    object MMTerm5: TMMTerm
      Left = 504
      Top = 256
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow6: TXShape
      Left = 12
      Top = 306
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow6: TMiniHTML
      Left = 22
      Top = 311
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>6.</B>  Multipliziere das Doppelte der Potenz mit der Basis x und dem Exponenten 4 mit dem Quotienten aus a und b.')
    end
    object MMTerm6: TMMTerm
      Left = 504
      Top = 306
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeRow7: TXShape
      Left = 12
      Top = 356
      Width = 482
      Height = 46
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object MiniHTMLRow7: TMiniHTML
      Left = 22
      Top = 361
      Width = 466
      Height = 38
      Visible = False
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>7.</B>  Multipliziere die Summe aus a und b mit der Differenz aus a und b und quadriere das Ergebnis.')
    end
    object MMTerm7: TMMTerm
      Left = 504
      Top = 356
      Width = 220
      Height = 46
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object PCVGlassButton2: TPCVGlassButton
      Left = 288
      Top = 424
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
