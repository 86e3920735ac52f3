object fmChapterStart: TfmChapterStart
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmStretchImage
    Color = 14676718
    object Image1: TImage
      Left = 48
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image2: TImage
      Left = 88
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image3: TImage
      Left = 128
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image4: TImage
      Left = 168
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image5: TImage
      Left = 208
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image6: TImage
      Left = 248
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object Image7: TImage
      Left = 288
      Top = 8
      Width = 32
      Height = 32
      Visible = False
    end
    object PCShape1: TPCShape
      Left = 60
      Top = 12
      Width = 680
      Height = 80
      Color = clWhite
      TransparentOX = 0.700000000000000000
      TransparentSX = 0.000000000000000000
      TransparentOY = 1.000000000000000000
      TransparentSY = 0.000000000000000000
      Caption = 'Kapitel'
      Font.Color = 5248016
      Font.Height = -34
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
      Pen.Style = psClear
      ShapeForm = sfEllipse
    end
  end
end
