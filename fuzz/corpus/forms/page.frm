object fmBIU0: TfmBIU0
  ClientWidth = 736
  ClientHeight = 482
  Caption = 'Seite '#252'ber '#8364
  Tag = -$10
  object PCPanel1: TPCPanel
    Align = alClient
    Color = 14676718
    Font.Style = [fsBold, fsItalic]
    object MMTerm2: TMMTerm
      Left = 300
      Caption = 'it''s' +
        ' long'
      OnClick = MMTerm1Click
    end
  end
end
