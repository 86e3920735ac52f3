object fmLernstand: TfmLernstand
  Caption = 'Lernstand'
  ClientWidth = 800
  ClientHeight = 480
  Font.Name = 'Tahoma'
  Font.Height = -13
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object ScrollBox1: TScrollBox
    Align = alLeft
    Width = 628
    Color = clWhite
    object PaintBox1: TPaintBox
      Left = 0
      Top = 0
      Width = 600
      Height = 400
      OnPaint = PaintBox1Paint
    end
  end
  object MMButton1: TMMButton
    Left = 640
    Top = 16
    Width = 149
    Height = 30
    Caption = '&Drucken'
    Tag = 904
    OnClick = MMButton1Click
  end
  object MMButton2: TMMButton
    Left = 640
    Top = 60
    Width = 149
    Height = 30
    Caption = '&Exportieren...'
    Tag = 904
    OnClick = MMButton2Click
  end
  object MMButton3: TMMButton
    Left = 640
    Top = 104
    Width = 149
    Height = 30
    Caption = '&Zurücksetzen...'
    Tag = 904
    OnClick = MMButton3Click
  end
end
