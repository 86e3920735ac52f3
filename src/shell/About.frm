object fmAbout: TfmAbout
  Caption = 'Info'
  ClientWidth = 446
  ClientHeight = 323
  Color = 14733271
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnShow = FormShow
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 429
    Height = 269
    BevelOuter = bvLowered
    object XShape1: TXShape
      Align = alClient
      Shape = sfHLinear
      Brush.Color = 11075581
      Color2 = 14733271
      ScaleX = 16.000000000000000000
    end
    object GIFImage1: TGIFImage
      Left = 18
      Top = 18
      Width = 85
      Height = 93
      Center = True
    end
    object ProductName: TLabel
      Left = 124
      Top = 16
      Width = 290
      Height = 32
      Caption = 'Tavrino'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -27
      Font.Style = [fsBold]
      Font.Color = 6697728
    end
    object Version: TLabel
      Left = 126
      Top = 54
      Width = 290
      Height = 17
      Caption = 'Version'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object Label1: TLabel
      Left = 126
      Top = 80
      Width = 290
      Height = 17
      Caption = 'Ein Algebra-Kurs zum Entdecken und Üben'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsItalic]
    end
    object Comments: TLabel
      Left = 126
      Top = 104
      Width = 290
      Height = 17
      Caption = 'Programmiert von'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object Label2: TLabel
      Left = 126
      Top = 122
      Width = 290
      Height = 17
      Caption = 'der Velotra-Werkstatt'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Font.Style = [fsBold]
    end
    object Memo1: TMiniHTML
      Left = 18
      Top = 150
      Width = 394
      Height = 106
      Lines = (
        'Dank an: <br>'
        'Die alpha-Tester! <br>'
        'Der Arbeitskreis: die Lehrerinnen und Lehrer, die jede Seite im Unterricht erprobt haben, und ihre Klassen, die uns jeden Fehler gezeigt haben.')
      Font.Name = 'Tahoma'
      Font.Height = -12
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 287
    Width = 330
    Height = 24
    ReadOnly = True
  end
  object MMButton1: TMMButton
    Left = 346
    Top = 284
    Width = 90
    Height = 30
    Caption = '  &OK'
    OnClick = MMButton1Click
  end
end
