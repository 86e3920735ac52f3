object fmFormDemo: TfmFormDemo
  Left = 12
  Top = 8
  ClientWidth = 360
  ClientHeight = 240
  Caption = 'Formular-Demo'
  Color = clSilver
  Font.Name = 'Tahoma'
  Font.Height = -13
  OnCreate = FormCreate
  object Header: TPanel
    Align = alTop
    Height = 40
    Caption = '&Oben'
    BevelOuter = bvLowered
    Color = $00E0C0A0
    object Label1: TLabel
      Left = 8
      Top = 10
      Captoin = 'Tippfehler'
      Font.Color = clNavy
      Font.Style = [fsBold, fsItalic]
      Transparent = True
    end
  end
  object Body: TPanel
    Align = alClient
    BevelOuter = bvNone
    Color = 14676718
    object Side: TPanel
      Align = alLeft
      Width = 60
      Color = clTeal
      Hint = 'Seitenleiste'
      ShowHint = True
    end
    object Scene1: TTestScene
      Left = 80
      Top = 20
      Width = 200
      Height = 120
      Cursor = crHandPoint
      Color = clWhite
      Mode = mdMiddle
      Options = [opSnap, opFrame]
      Ratio = 0.75
      Items.Strings = (
        'a'#178
        '+(a-b)'#178)
      Grid.Color = clRed
      Grid.Visible = True
      Grid.Owner = Scene1
      Pen.Style = psDot
      Buddy = Side
      Points = <
        item
          X = 30
          Y = 40.5
          Name = 'P0'
          Kind = skCircle
          FixType = tfFixed
          OnClick = SceneClick
        end
        item
          X = 150
          Y = 90
          OnDrag = PointDrag
        end>
      FPoints = {
        03000000140000001400000050000000280000009600000064000000}
      Picture.Data = {474946383961}
      OnClick = SceneClick
      OnHyperjump = SceneJump
    end
  end
  object Timer1: TTestTimer
    Interval = 250
    Target = Scene1
  end
end
