inherited fmFAU2: TfmFAU2
  inherited PCPanel1: TPCPanel
    Color = 14474495
    inherited MiniHTML1: TMiniHTML
      Lines = (
        'Faktorisiere mit den binomischen Formeln. Steckt in allen Gliedern eine '
        'gemeinsame Zahl, klammere sie zuerst aus! <br>'
        'Vorsicht! Unter Umständen lässt es sich nicht mit einer binomischen Formel '
        'faktorisieren. Gib dann einfach „?“ ein.')
    end
  end
end
