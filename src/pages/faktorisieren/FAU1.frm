inherited fmFAU1: TfmFAU1
  inherited PCPanel1: TPCPanel
    Color = 14474495
    inherited MiniHTML1: TMiniHTML
      Lines = (
        'Diese Seite dient dazu, mit den binomischen Formeln zu faktorisieren. <br>'
        'Vorsicht! Unter Umständen lässt es sich nicht mit einer binomischen Formel '
        'faktorisieren. Gib dann einfach „?“ ein.')
    end
  end
end
