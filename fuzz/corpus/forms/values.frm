inherited fmX: TfmX
  Ratio = 1.5E-3
  Items.Strings = (
    '+(a-b)'#178
    'a'#178)
  FPoints = {
    0300000000000000000000800040000000000000008000400000}
  MMPoints = <
    item
      X = 1
      Objects = <>
    end
    item
    end>
  Empty = []
  inherited Button: TButton
  end
  object TTimer
  end
end
