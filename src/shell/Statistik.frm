object fmStatistik: TfmStatistik
  Caption = 'Statistik'
  ClientWidth = 780
  ClientHeight = 500
  Font.Name = 'Tahoma'
  Font.Height = -13
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object ScrollBox1: TScrollBox
    Align = alClient
    Color = 4194304
    object PaintBox1: TPaintBox
      Left = 0
      Top = 0
      Width = 1280
      Height = 960
      Color = 13434878
      Font.Name = 'Tahoma'
      Font.Height = -9
      OnPaint = PaintBox1Paint
    end
  end
end
