inherited fmBIU0: TfmBIU0
  inherited PCPanel1: TPCPanel
    Color = 14676718
    inherited MiniHTML1: TMiniHTML
      Lines = (
        'Hier kannst du mit einfachen binomischen Formeln anfangen.')
    end
  end
end
