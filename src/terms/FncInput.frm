object fmFncInput: TfmFncInput
  Caption = 'Termeingabe'
  ClientWidth = 415
  ClientHeight = 244
  Font.Name = 'Tahoma'
  Font.Height = -11
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 399
    Height = 113
    BevelOuter = bvLowered
    Color = 15532030
    object PaintBox1: TPaintBox
      Align = alClient
      OnPaint = PaintBox1Paint
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 130
    Width = 399
    Height = 26
    Font.Name = 'Tahoma'
    Font.Height = -16
    OnChange = Edit1Change
  end
  object MMButton1: TMMButton
    Left = 8
    Top = 165
    Width = 39
    Height = 30
    Caption = '('
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton2: TMMButton
    Left = 48
    Top = 165
    Width = 39
    Height = 30
    Caption = ')'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton3: TMMButton
    Left = 88
    Top = 165
    Width = 39
    Height = 30
    Caption = 'xⁿ'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton4: TMMButton
    Left = 128
    Top = 165
    Width = 39
    Height = 30
    Caption = ':'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton5: TMMButton
    Left = 168
    Top = 165
    Width = 39
    Height = 30
    Caption = '·'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton6: TMMButton
    Left = 208
    Top = 165
    Width = 39
    Height = 30
    Caption = '/'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton7: TMMButton
    Left = 248
    Top = 165
    Width = 39
    Height = 30
    Caption = '+'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton8: TMMButton
    Left = 288
    Top = 165
    Width = 39
    Height = 30
    Caption = '-'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton9: TMMButton
    Left = 328
    Top = 165
    Width = 39
    Height = 30
    Caption = '='
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object MMButton10: TMMButton
    Left = 368
    Top = 165
    Width = 39
    Height = 30
    Caption = 'C'
    Brush.Color = 12491435
    Font.Name = 'Courier New'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = False
    OnClick = MMButton1Click
  end
  object LabelProblem: TLabel
    Left = 8
    Top = 206
    Width = 210
    Height = 30
    AutoSize = False
    WordWrap = True
    Layout = tlCenter
    Visible = False
    Font.Height = -12
    Font.Color = 192
    Font.Style = [fsBold]
  end
  object BitBtn1: TBitBtn
    Left = 226
    Top = 206
    Width = 87
    Height = 30
    Kind = bkOK
    ModalResult = 0
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 320
    Top = 206
    Width = 87
    Height = 30
    Kind = bkCancel
  end
end
