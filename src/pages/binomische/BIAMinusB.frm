inherited fmBIAMinusB: TfmBIAMinusB
  inherited PCPanel1: TPCPanel
    inherited MiniHTML1: TMiniHTML
      Lines = (
          'Ein Quadrat der Seitenlänge a soll beidseitig um b verkürzt werden. <br>'
          'Berechne den Inhalt des entstandenen Quadrats auf zwei Arten.')
    end
    inherited MMBox1: TMMBox
      Visible = False
    end
    inherited MMBox2: TMMBox
      Visible = True
    end
    inherited Panel1: TPanel
      inherited MMCombo1: TMMCombo
        Items = (
          'a·b'
          'a²+b²'
          '(a+b)·(a+b)'
          '(a+b)²'
          'a+b²'
          '2·(a+b)'
          'a²+2b'
          '(a+b)·2'
          'a·a+b'
          '+(a-b)·(a-b)'
          '+(a-b)²'
          '(a-b)·2'
          'a²-b'
          '(a+b)·(a-b)'
          'a·(a-b)')
      end
      inherited MMCombo2: TMMCombo
        Items = (
          'a²+b²'
          'a²+ab+b²'
          'a²+2ab+b²'
          '2a+2b'
          'a²+4ab+b²'
          'a²-b'
          'a²-ab+b²'
          'a²-2ab-b²'
          'a²-b²'
          'a²+2ab-b²'
          '+a²-2ab+b²'
          'a²-2b²'
          'a-b²')
      end
    end
    inherited LabelChapter: TLabel
      Visible = True
    end
  end
end
