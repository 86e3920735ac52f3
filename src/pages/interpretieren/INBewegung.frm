object fmINBewegung: TfmINBewegung
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 14676718
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 6
      Width = 704
      Height = 66
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Bewegungen</B><BR>'
        'Auf dieser Seite sollst du den jeweiligen Bewegungen den richtigen Term '
        'zuordnen. <br>'
        'Dabei wird für t jeweils die Zeit in Sekunden eingesetzt. Der Term gibt an, an welcher '
        'Stelle des Zahlenstrahls der rote Punkt nach t Sekunden steht; die gelben Punkte zeigen, '
        'wo er vorher war.')
    end
    object Beam1: TBeam
      Left = 0
      Top = 63
      Width = 780
      Height = 40
      TickDistance = 4
      LeftOffset = 10
      Font.Name = 'Tahoma'
      Font.Height = -11
    end
    object Beam2: TBeam
      Left = 0
      Top = 141
      Width = 780
      Height = 40
      TickDistance = 4
      LeftOffset = 10
      Font.Name = 'Tahoma'
      Font.Height = -11
    end
    object Beam3: TBeam
      Left = 0
      Top = 219
      Width = 780
      Height = 40
      TickDistance = 4
      LeftOffset = 10
      Font.Name = 'Tahoma'
      Font.Height = -11
    end
    object Beam4: TBeam
      Left = 0
      Top = 297
      Width = 780
      Height = 40
      TickDistance = 4
      LeftOffset = 10
      Font.Name = 'Tahoma'
      Font.Height = -11
    end
    object Label1: TLabel
      Left = 16
      Top = 119
      Width = 130
      Height = 18
      AutoSize = False
      Caption = '1. Bewegung: Ort ='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object Label2: TLabel
      Left = 16
      Top = 197
      Width = 130
      Height = 18
      AutoSize = False
      Caption = '2. Bewegung: Ort ='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object Label3: TLabel
      Left = 16
      Top = 275
      Width = 130
      Height = 18
      AutoSize = False
      Caption = '3. Bewegung: Ort ='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object Label4: TLabel
      Left = 16
      Top = 353
      Width = 130
      Height = 18
      AutoSize = False
      Caption = '4. Bewegung: Ort ='
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object PaintBox1: TPaintBox
      Left = 7
      Top = 80
      Width = 780
      Height = 240
      Hint = 'Die vier Körper auf den Zahlenstrahlen'
      OnPaint = PaintBox1Paint
    end
    object MMCombo1: TMMCombo
      Left = 150
      Top = 116
      Width = 120
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      TabOrder = 0
      Items.Strings = (
        '0,1·t'
        '0,2·t'
        '0,25·t'
        '0,3·t'
        '0,4·t'
        '+0,5·t'
        't'
        '2·t'
        '7 - 2·t'
        '7 - t'
        '7 - 0,5·t'
        '7 - 0,2·t'
        '0,02·t²'
        '0,02·t²'
        '0,025·t²'
        '0,03·t²'
        't²'
        't³')
    end
    object MMCombo2: TMMCombo
      Left = 150
      Top = 194
      Width = 120
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      TabOrder = 1
      Items.Strings = (
        '0,1·t'
        '0,2·t'
        '0,25·t'
        '0,3·t'
        '0,4·t'
        '0,5·t'
        't'
        '2·t'
        '7 - 2·t'
        '7 - t'
        '7 - 0,5·t'
        '+7 - 0,2·t'
        '0,02·t²'
        '0,02·t²'
        '0,025·t²'
        '0,03·t²'
        't²'
        't³')
    end
    object MMCombo3: TMMCombo
      Left = 150
      Top = 272
      Width = 120
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      TabOrder = 2
      Items.Strings = (
        '0,1·t'
        '0,2·t'
        '+0,25·t'
        '0,3·t'
        '0,4·t'
        '0,5·t'
        't'
        '2·t'
        '7 - 2·t'
        '7 - t'
        '7 - 0,5·t'
        '7 - 0,2·t'
        '0,02·t²'
        '0,02·t²'
        '0,025·t²'
        '0,03·t²'
        't²'
        't³')
    end
    object MMCombo4: TMMCombo
      Left = 150
      Top = 350
      Width = 120
      Height = 24
      Font.Name = 'Tahoma'
      Font.Height = -13
      TabOrder = 3
      Items.Strings = (
        '0,1·t'
        '0,2·t'
        '0,25·t'
        '0,3·t'
        '0,4·t'
        '0,5·t'
        't'
        '2·t'
        '7 - 2·t'
        '7 - t'
        '7 - 0,5·t'
        '7 - 0,2·t'
        '0,02·t²'
        '0,02·t²'
        '+0,025·t²'
        '0,03·t²'
        't²'
        't³')
    end
    object Label5: TLabel
      Left = 16
      Top = 420
      Width = 260
      Height = 30
      AutoSize = False
      Caption = 'Zeit: t = 0 s'
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -21
      Font.Style = [fsBold]
      Font.Color = clNavy
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 566
      Top = 412
      Width = 150
      Height = 48
      Color = 10510368
      Caption = '&Weiter'
      Font.Name = 'Tahoma'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clNavy
      EnhancedColor = clRed
      OnClick = PCVGlassButton1Click
    end
    object PCVGlassButton2: TPCVGlassButton
      Left = 394
      Top = 412
      Width = 150
      Height = 48
      Color = 10510368
      Caption = '&Noch einmal'
      Font.Name = 'Tahoma'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clNavy
      EnhancedColor = clRed
      OnClick = PCVGlassButton2Click
    end
  end
  object Timer1: TTimer
    Interval = 1000
    OnTimer = Timer1Timer
  end
end
