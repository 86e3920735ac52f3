object fmAUTabellen: TfmAUTabellen
  ClientWidth = 736
  ClientHeight = 482
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16769990
    Color2 = 16777215
    object MiniHTML1: TMiniHTML
      Left = 16
      Top = 8
      Width = 704
      Height = 44
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Tabellen</B><BR>'
        'In jeder Tabelle wird aus x nach derselben Vorschrift T(x) berechnet. Finde den Term T(x) und trage ihn ein.')
    end
    object XShapeCard1: TXShape
      Left = 8
      Top = 58
      Width = 356
      Height = 66
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid1: TRRGrid
      Left = 16
      Top = 66
      Width = 276
      Height = 53
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>5<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>5<BR></CENTER>'
        '<CENTER>6<BR></CENTER>')
    end
    object MMTerm1: TMMTerm
      Left = 298
      Top = 67
      Width = 62
      Height = 48
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard2: TXShape
      Left = 8
      Top = 130
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid2: TRRGrid
      Left = 16
      Top = 138
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>5<BR></CENTER>'
        '<CENTER>6<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>9<BR></CENTER>'
        '<CENTER>16<BR></CENTER>'
        '<CENTER>25<BR></CENTER>'
        '<CENTER>36<BR></CENTER>')
    end
    object MMTerm2: TMMTerm
      Left = 298
      Top = 139
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard3: TXShape
      Left = 8
      Top = 202
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid3: TRRGrid
      Left = 16
      Top = 210
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>5<BR></CENTER>'
        '<CENTER>6<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>0,5<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>1,5<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>2,5<BR></CENTER>'
        '<CENTER>3<BR></CENTER>')
    end
    object MMTerm3: TMMTerm
      Left = 298
      Top = 211
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard4: TXShape
      Left = 8
      Top = 274
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid4: TRRGrid
      Left = 16
      Top = 282
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>5<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>−2,5<BR></CENTER>'
        '<CENTER>−1,5<BR></CENTER>'
        '<CENTER>−0,5<BR></CENTER>'
        '<CENTER>0,5<BR></CENTER>'
        '<CENTER>1,5<BR></CENTER>'
        '<CENTER>2,5<BR></CENTER>')
    end
    object MMTerm4: TMMTerm
      Left = 298
      Top = 283
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard5: TXShape
      Left = 372
      Top = 58
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid5: TRRGrid
      Left = 380
      Top = 66
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>−4<BR></CENTER>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>6<BR></CENTER>')
    end
    object MMTerm5: TMMTerm
      Left = 662
      Top = 67
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard6: TXShape
      Left = 372
      Top = 130
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid6: TRRGrid
      Left = 380
      Top = 138
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>−5<BR></CENTER>'
        '<CENTER>−3<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>5<BR></CENTER>')
    end
    object MMTerm6: TMMTerm
      Left = 662
      Top = 139
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object XShapeCard7: TXShape
      Left = 372
      Top = 202
      Width = 356
      Height = 66
      Visible = False
      Shape = stRdTextBox
      Brush.Color = 16776442
      Pen.Color = 13808800
    end
    object RRGrid7: TRRGrid
      Left = 380
      Top = 210
      Width = 276
      Height = 53
      Visible = False
      ColCount = 7
      RowCount = 2
      FixedCols = 1
      FixedRows = 0
      DefaultColWidth = 38
      DefaultRowHeight = 24
      ScrollBars = ssNone
      XCellTextOffset = 2
      Transparent = False
      Color = clWhite
      FixedColor = 16771798
      Font.Name = 'Tahoma'
      Font.Height = -13
      Cells.Strings = (
        '<B>x</B>'
        '<CENTER>−2<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<B>T(x)</B>'
        '<CENTER>4<BR></CENTER>'
        '<CENTER>3<BR></CENTER>'
        '<CENTER>2<BR></CENTER>'
        '<CENTER>1<BR></CENTER>'
        '<CENTER>0<BR></CENTER>'
        '<CENTER>−1<BR></CENTER>')
    end
    object MMTerm7: TMMTerm
      Left = 662
      Top = 211
      Width = 62
      Height = 48
      Visible = False
      Caption = '?'
      State = 0
      Brush.Color = clWhite
      Transparent = False
      Font.Name = 'Tahoma'
      Font.Height = -15
      OnClick = MMTerm1Click
    end
    object MiniHTML2: TMiniHTML
      Left = 382
      Top = 278
      Width = 336
      Height = 64
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -13
      Lines.Strings = (
        '<B>Tipp:</B> Schau dir an, was in jeder Spalte aus x wird. Passt deine Vorschrift zu allen Spalten, dann hast du den Term gefunden.')
    end
    object PCVGlassButton2: TPCVGlassButton
      Left = 288
      Top = 424
      Width = 160
      Height = 40
      Caption = '&Weiter'
      Color = 11824710
      Radius = 20
      Font.Name = 'Tahoma'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = 6697728
      OnClick = PCVGlassButton1Click
    end
  end
end
