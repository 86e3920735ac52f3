object fmTAVavorever: TfmTAVavorever
  ClientWidth = 736
  ClientHeight = 482
  OnCreate = FormCreate
  object PCPanel1: TPCPanel
    Align = alClient
    BackgroundMode = bmHFloat
    Color = 16247773
    Color2 = 15263976
    object Label3: TLabel
      Left = 27
      Top = 6
      Caption = 'VavoRever'
      Font.Color = 8388608
      Font.Name = 'Tahoma'
      Font.Height = -32
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label1: TLabel
      Left = 27
      Top = 50
      Caption = 'Level'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label8: TLabel
      Left = 92
      Top = 50
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label4: TLabel
      Left = 160
      Top = 50
      Caption = 'Punkte'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label6: TLabel
      Left = 222
      Top = 50
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label5: TLabel
      Left = 27
      Top = 74
      Caption = 'Ziel'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label9: TLabel
      Left = 92
      Top = 74
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label10: TLabel
      Left = 160
      Top = 74
      Caption = 'x'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label11: TLabel
      Left = 222
      Top = 74
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label2: TLabel
      Left = 27
      Top = 98
      Caption = 'Züge'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label7: TLabel
      Left = 92
      Top = 98
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label12: TLabel
      Left = 160
      Top = 98
      Caption = 'y'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Transparent = True
    end
    object Label13: TLabel
      Left = 222
      Top = 98
      Caption = '0'
      Font.Name = 'Tahoma'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
    end
    object MiniHTML1: TMiniHTML
      Left = 250
      Top = 8
      Width = 330
      Height = 152
      Transparent = True
      Font.Name = 'Tahoma'
      Font.Height = -12
      Lines.Strings = (
        '<B>So wird gespielt:</B> <BR>'
        '1. Drücke <B>Start</B>. Du beginnst auf dem Feld unten rechts. <BR>'
        '2. Klicke ein Nachbarfeld an. Sein Term rechnet mit x (deinen Punkten), y (den Punkten davor) '
        'und a bis e (oberste Zeile der Tabelle) deine neuen Punkte aus. <BR>'
        '3. Sind deine Punkte mehr als das Ziel, geht es im nächsten Level weiter. <BR>'
        '<B>Beispiel:</B> x = 12 und a = 5: Das Feld <B>x+a</B> gibt dir 12 + 5 = 17 Punkte.')
    end
    object StringGrid1: TStringGrid
      Left = 590
      Top = 12
      Width = 199
      Height = 124
      ColCount = 5
      RowCount = 5
      FixedCols = 0
      FixedRows = 1
      DefaultColWidth = 38
      DefaultRowHeight = 23
      Font.Name = 'Tahoma'
      Font.Height = -13
    end
    object PCVGlassButton1: TPCVGlassButton
      Left = 27
      Top = 126
      Width = 120
      Height = 34
      Color = 11558944
      Caption = '&Start'
      Font.Color = 8388608
      Font.Name = 'Tahoma'
      Font.Height = -17
      Font.Style = [fsBold]
      Radius = 17
      OnClick = PCVGlassButton1Click
    end
    object Image1: TImage
      Left = 27
      Top = 146
      Width = 32
      Height = 32
      Visible = False
      Picture.Data = {
        47494638396164006400910000FBF7EAEBEFF4CAD8EA00000021F90400000000
        002C00000000640064000002FF0462862979BE14742DC56727D3327B53752236
        86E4795D66CA9D6BCB6E1F16D4F65D0BF8CEEF7A0FF40587B65F70A4822965C8
        25C889A24063CF19D5356DBDACDAEC6CDBFC7A4B632CF75C0DAB01E0A818ED4E
        BB894622B06EE7E1F3B8FD6EDD769504771508650887085836B856C82845D825
        F9E638695919A7A9B809C9E426102A3A4A5A6A7A8A9AAABACA8ABA4849066B86
        194B3BABF928DB887BC99B29D80BFC5BC6996BBB2B5CEBAB1C43C777F7DCE317
        3D7DF37A1C89FD997CCB8D4CEC29E79DBDDC0DAE4B3EBE7DAE2DCE5EFEEDE11C
        2D44DF677F3F740D9FFEAEEE2EAB58307F040386637350E03083E8D6316C87F0
        CC3C7C392816B158515FA786FF006D296456D063C2911C2342FC68EE213F8722
        4BA28CD76122C56A7C68E6B1B9C0D8CA8EE55EF653F9CFE44EA1417DB2EC49F2
        64D2A146797243D42AAAD4A954AB56D059746956975A4322E50A566958A65D81
        7ACD3904A74C7C6AD312D9B755AC5CB263E3D29D6B37EFD943655BE2D5B0D65E
        DB2083A169C4BA3751DFAF7FCD3AF67B37B2DEC78C25270E4CAFB0348C0170C2
        4DFC99F2D3C5A3EB82DED818F264D5A711CB738B51B31ECE9E515B16CDD7346E
        C5BA59EF0EED3B78E5D5C335583D8E3C792BE0C57FDB265E3A7573E1D16F53CF
        2DBD3A7405B02DCAAEE7FDEDF3D6039DBBBECE3B3B76EBD3DB6B27BF103D666A
        B4EB1F2E8F9EF97BF3F8DDAF8BDF9E1E7BFBE5371E7FF1D1D0DD4CF68577DF81
        03FA172080FAFD071F48065A48E079104E18216009B2B5A0820D62B8618119F6
        F7608A145E98D2890EAEE822892AB2A15C8D362AC7618E2696A8E18C3AF60823
        8F2806E9E38E450279C087828508E2882D0AF962872CC204A58C445E29658C4F
        1E3964960812C6E492B18987E48F5D9A19259A567AB940010021FE1445727374
        656C6C74206D69742056656C6F747261003B}
    end
    object Image2: TImage
      Left = 67
      Top = 146
      Width = 32
      Height = 32
      Visible = False
      Picture.Data = {
        47494638396164006400910000EFF6EAF3E6DAEAC6A800000021F90400000000
        002C00000000640064000002FF0462862979BE14742DC56727D3327B53752236
        86E4795D66CA9D6BCB6E1F16D4F65D0BF8CEEF7A0FF40587B65F70A4822965C8
        25C889A24063CF19D5356DBDACDAEC6CDBFC7A4B632CF75C0DAB01E0A818ED4E
        BB894622B06EE7E1F3B8FD6EDD769504771508650887085836B856C82845D825
        F9E638695919A7A9B809C9E426102A3A4A5A6A7A8A9AAABACA8ABA4849066B86
        194B3BABF928DB887BC99B29D80BFC5BC6996BBB2B5CEBAB1C43C777F7DCE317
        3D7DF37A1C89FD997CCB8D4CEC29E79DBDDC0DAE4B3EBE7DAE2DCE5EFEEDE11C
        2D44DF677F3F740D9FFEAEEE2EAB58307F040386637350E03083E8D6316C87F0
        CC3C7C392816B158515FA786FF006D296456D063C2911C2342FC68EE213F8722
        4BA28CD76122C56A7C68E6B1B9C0D8CA8EE55EF653F9CFE44EA1417DB2EC49F2
        64D2A146797243D42AAAD4A954AB56D059746956975A4322E50A566958A65D81
        7ACD3904A74C7C6AD312D9B755AC5CB263E3D29D6B37EFD943655BE2D5B0D65E
        DB2083A169C4BA3751DFAF7FCD3AF67B37B2DEC78C25270E4CAFB0348C0170C2
        4DFC99F2D3C5A3EB82DED818F264D5A711CB738B51B31ECE9E515B16CDD7346E
        C5BA59EF0EED3B78E5D5C335583D8E3C792BE0C57FDB265E3A7573E1D16F53CF
        2DBD3A7405B02DCAAEE7FDEDF3D6039DBBBECE3B3B76EBD3DB6B27BF103D666A
        B4EB1F2E8F9EF97BF3F8DDAF8BDF9E1E7BFBE5371E7FF1D1D0DD4CF68577DF81
        03FA172080FAFD071F48065A48E079104E18216009B2B5A0820D62B8618119F6
        F7608A145E98D2890EAEE822892AB2A15C8D362AC7618E2696A8E18C3AF60823
        8F2806E9E38E450279C087828508E2882D0AF962872CC204A58C445E29658C4F
        1E3964960812C6E492B18987E48F5D9A19259A567AB940010021FE1445727374
        656C6C74206D69742056656C6F747261003B}
    end
    object PCPanel2: TPCPanel
      Left = 40
      Top = 166
      Width = 681
      Height = 329
      Color = 15263976
      object MMTerm1: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm2: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm3: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm4: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm5: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm6: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm7: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm8: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm9: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm10: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm11: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm12: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm13: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm14: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm15: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm16: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm17: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm18: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm19: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm20: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm21: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm22: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm23: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm24: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm25: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm26: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm27: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm28: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm29: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm30: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm31: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm32: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm33: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm34: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm35: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm36: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm37: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm38: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm39: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm40: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm41: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm42: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm43: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm44: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm45: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm46: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm47: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm48: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm49: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm50: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm51: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm52: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm53: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm54: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm55: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm56: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm57: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm58: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm59: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm60: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm61: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm62: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm63: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
      object MMTerm64: TMMTerm
        Width = 80
        Height = 39
        Caption = '?'
        Font.Name = 'Tahoma'
        Font.Height = -12
        OnClick = MMTerm1Click
      end
    end
  end
end
