object fmBase: TfmBase
  ClientWidth = 792
  ClientHeight = 476
  Color = clSilver
  Font.Name = 'Times New Roman'
  Font.Height = -17
end
