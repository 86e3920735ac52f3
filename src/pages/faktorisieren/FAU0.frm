inherited fmFAU0: TfmFAU0
  inherited PCPanel1: TPCPanel
    Color = 13168895
    inherited MiniHTML1: TMiniHTML
      Lines = (
        'Diese Seite dient dazu, das einfache Ausklammern zu üben.')
    end
  end
end
