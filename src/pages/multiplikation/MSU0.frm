inherited fmMSU0: TfmMSU0
  inherited PCPanel1: TPCPanel
    Color = 16772340
    inherited MiniHTML1: TMiniHTML
      Lines = (
        '<B>Ausmultiplizieren</B><BR>'
        'Multipliziere aus und fasse zusammen. Die zehn Aufgaben werden immer schwerer. '
        'Wie schnell bist du?')
    end
  end
end
