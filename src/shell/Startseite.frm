object fmStartseite: TfmStartseite
  Tag = 4
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 12615808
    Color2 = 4149052
    object GIFImage1: TGIFImage
      Left = 72
      Top = 20
      Width = 200
      Height = 200
    end
    object MiniHTML3: TMiniHTML
      Left = 300
      Top = 28
      Width = 430
      Height = 210
      Lines.Strings = (
        '<H1>Willkommen bei Velotra!</H1><BR>'
        'Hier lernst du Schritt für Schritt, wie man mit <B>Termen</B> rechnet, '
        'sie aufstellt und umformt. Wähle unten ein Kapitel aus oder fang gleich '
        'ganz vorne an: <A HREF=110>Was ist eine Rechenvorschrift?</A><BR> <BR>'
        'Auf vielen Seiten wartet eine Aufgabe auf dich. Tippe deine Lösung ein '
        'und lass sie prüfen. <BR> <B>Viel Spaß!</B>')
      Transparent = True
      Font.Color = clWhite
      Font.Height = -17
      Font.Name = 'Tahoma'
      Header1.Color = clWhite
      Header1.Height = -28
      Header1.Name = 'Tahoma'
      Header1.Style = [fsBold]
      Hyperlinks.Color = clYellow
      Hyperlinks.Height = -17
      Hyperlinks.Name = 'Tahoma'
      Hyperlinks.Style = [fsUnderline]
      OnHyperjump = MiniHTML3Hyperjump
    end
    object PCVGlassButton1: TPCVGlassButton
      Tag = 100
      Left = 92
      Top = 262
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Rechenvorschriften'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton2: TPCVGlassButton
      Tag = 200
      Left = 92
      Top = 318
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Aufstellen von Termen'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton3: TPCVGlassButton
      Tag = 300
      Left = 92
      Top = 374
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Interpretieren von Termen'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton4: TPCVGlassButton
      Tag = 400
      Left = 92
      Top = 430
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = 'Ä&quivalenz'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton5: TPCVGlassButton
      Tag = 500
      Left = 408
      Top = 262
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Multiplikation von Summen'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton6: TPCVGlassButton
      Tag = 800
      Left = 408
      Top = 318
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Binomische Formeln'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton7: TPCVGlassButton
      Tag = 900
      Left = 408
      Top = 374
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = '&Faktorisieren'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton8: TPCVGlassButton
      Tag = 1000
      Left = 408
      Top = 430
      Width = 300
      Height = 44
      Color = 14737632
      TransparentOX = 0.800000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 2.000000000000000000
      TransparentSY = 7.000000000000000000
      Caption = 'Aufgaben'
      Font.Color = clWhite
      Font.Height = -16
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      ShapeForm = sfRectangle
      Radius = 25
      OnClick = PCVGlassButton1Click
    end
  end
end
