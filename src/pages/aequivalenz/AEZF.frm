object fmAEZF: TfmAEZF
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16311022
    Color2 = 16777215
    object PCShape1: TPCShape
      Left = 60
      Top = 8
      Width = 616
      Height = 56
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Zusammenfassung'
      Font.Color = 5248016
      Font.Height = -30
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
    object Panel1: TPanel
      Left = 24
      Top = 70
      Width = 688
      Height = 370
      BevelOuter = bvNone
      Color = 15793407
      object Label1: TLabel
        Left = 16
        Top = 6
        Width = 656
        Height = 28
        AutoSize = False
        Caption = 'Merke: Äquivalente Terme'
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -22
        Font.Color = 5248016
        Font.Style = [fsBold]
      end
      object MiniHTML1: TMiniHTML
        Left = 16
        Top = 40
        Width = 660
        Height = 324
        Transparent = True
        Font.Name = 'Tahoma'
        Font.Height = -15
        Lines.Strings = (
          '<B>Äquivalent</B> (gleichwertig) heißen zwei Terme, wenn sie für jede Zahl, die man für die '
          'Variablen einsetzt, denselben Wert haben.<BR>'
          '<B>Gegenbeispiel:</B> Eine einzige Zahl, für die die Werte verschieden sind, zeigt: Die Terme sind '
          'nicht äquivalent. Eine Wertetabelle kann Äquivalenz nicht beweisen.<BR>'
          '<BR>'
          '<B>Rechengesetze</B> (für alle Zahlen a, b und c)<BR>'
          'Kommutativgesetz: a + b = b + a und a · b = b · a<BR>'
          'Assoziativgesetz: (a + b) + c = a + (b + c) und (a · b) · c = a · (b · c)<BR>'
          'Distributivgesetz: a · (b + c) = a · b + a · c<BR>'
          '<BR>'
          '<B>Zusammenfassen:</B> Gleichartige Terme fasst du zusammen, indem du ihre Zahlen addierst oder '
          'subtrahierst: 3x + 5x = 8x. In Produkten schreibst du gleiche Variablen als Potenz: x · x · x = x³.<BR>'
          '<BR>'
          '<B>Klammern:</B> Plus vor der Klammer: Klammer weglassen, a + (b − c) = a + b − c. Minus vor der '
          'Klammer: beim Weglassen jedes Vorzeichen in der Klammer umkehren, a − (b − c) = a − b + c.')
      end
    end
    object lbDatum: TLabel
      Left = 560
      Top = 448
      Width = 152
      Height = 22
      AutoSize = False
      Caption = '14.6.2000'
      Transparent = True
      Alignment = taRightJustify
      Font.Name = 'Tahoma'
      Font.Height = -15
    end
  end
end
