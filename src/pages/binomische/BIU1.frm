inherited fmBIU1: TfmBIU1
  inherited PCPanel1: TPCPanel
    Color = 16765650
    inherited MiniHTML1: TMiniHTML
      Lines = (
        'Jetzt werden die Formeln schon ein wenig schwerer...')
    end
  end
end
