inherited fmFormDemoPlus: TfmFormDemoPlus
  Caption = 'Formular-Demo plus'
  inherited Header: TPanel
    Height = 30
    object Label2: TLabel
      Left = 200
      Top = 6
      Caption = 'neu'
    end
  end
  inherited Scene1: TTestScene
    Ratio = 2.5
  end
  inherited Timer1: TTestTimer
    OnTimer = ExtraClick
  end
end
