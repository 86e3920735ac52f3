#pragma once
// TMiniHTML: the rich-text control of the pages. It holds its text as lines
// of page markup, tokenizes them whenever they change, lays the text out and
// draws it on every paint (wrapping at its width, no margin, no clipping),
// and turns left clicks on hyperlinks into OnHyperjump with the link target.
//
//   auto* Text = new TMiniHTML(Page);
//   Text->SetLines({"Klicke <A HREF=12>hier</A>."});
//   Text->OnHyperjump = [](QObject*, const QString& URL) { GotoPage(URL.toInt()); };
//
// It draws on its parent's surface: with Transparent (the default) only the
// words are painted.
//
// A text with links is reached with Tab; Enter or Space then follow its
// first link, and a dotted frame shows the keyboard focus.
#include <QStringList>
#include <array>
#include <vector>
#include <optional>

#include "components/MyHtmlParser.h"
#include "components/MyHtmlPlainText.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/RasterOp.h"

class TMiniHTML : public TControl {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
  Q_PROPERTY(TFont* Header1 READ Header1 WRITE SetHeader1)
  Q_PROPERTY(TFont* Header2 READ Header2 WRITE SetHeader2)
  Q_PROPERTY(TFont* Header3 READ Header3 WRITE SetHeader3)
  Q_PROPERTY(TFont* Header4 READ Header4 WRITE SetHeader4)
  Q_PROPERTY(TFont* Header5 READ Header5 WRITE SetHeader5)
  Q_PROPERTY(TFont* Header6 READ Header6 WRITE SetHeader6)
  Q_PROPERTY(TFont* Hyperlinks READ Hyperlinks WRITE SetHyperlinks)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

 public:
  explicit TMiniHTML(QWidget* Parent = nullptr);
  ~TMiniHTML() override;

  // Sender and the link target exactly as written in the markup.
  TNotifyString OnHyperjump;

  const QStringList& Lines() const { return FLines; }
  // Copies the lines, re-tokenizes and repaints.
  virtual void SetLines(const QStringList& Value);
  // Line edits in the manner of a string list; each re-tokenizes and repaints.
  void ClearLines() { SetLines({}); }
  void AddLine(const QString& Line);

  TFont* Hyperlinks() const { return FHyperlinks; }
  // Copies the font.
  virtual void SetHyperlinks(TFont* Value);
  // Index 1 to 6; nullptr for any other index.
  virtual TFont* GetHeader(int Index) const;
  // Copies the font into header Index (1 to 6).
  virtual void SetHeader(int Index, TFont* Value);
  TFont* Header1() const { return GetHeader(1); }
  TFont* Header2() const { return GetHeader(2); }
  TFont* Header3() const { return GetHeader(3); }
  TFont* Header4() const { return GetHeader(4); }
  TFont* Header5() const { return GetHeader(5); }
  TFont* Header6() const { return GetHeader(6); }
  void SetHeader1(TFont* Value) { SetHeader(1, Value); }
  void SetHeader2(TFont* Value) { SetHeader(2, Value); }
  void SetHeader3(TFont* Value) { SetHeader(3, Value); }
  void SetHeader4(TFont* Value) { SetHeader(4, Value); }
  void SetHeader5(TFont* Value) { SetHeader(5, Value); }
  void SetHeader6(TFont* Value) { SetHeader(6, Value); }

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Draws the text onto Canvas. Without Transparent the control area R is
  // filled with Color first and the words get an opaque background.
  // Direct drawing lays the text out on Canvas itself (R is then the
  // control's own rectangle). Buffered drawing lays it out on a white bitmap
  // of the control's size and combines the top-left R.Width() x R.Height()
  // of it into Canvas at R's top-left corner with the raster operation Rop.
  virtual void DrawContent(TCanvas& Canvas, bool Buffered, TCopyMode Rop, const TRect& R);

  // The box of every word as the text is laid out now (control
  // coordinates), in reading order.
  std::vector<TRect> WordBoxes();

  // The links found by the last drawing, with their rectangles.
  const THyperLinkList& Links() const { return FLinks; }
  // The words as read aloud, and every link's words and target.
  const TPlainText& Plain() const;
  // Raises OnHyperjump with the target of link Index of Plain().
  void FollowLink(int Index);
  // The markup reference text a new control shows in a designer.
  static QStringList DesignSampleLines();

  bool IsStored(const QString& Property) const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  void Tokenize();
  void Layout(TCanvas& Canvas);
  bool LinkAt(int X, int Y) const;

  QStringList FLines;
  TTokens FTokens;
  mutable std::optional<TPlainText> FPlain;  // made when first asked for
  THyperLinkList FLinks;
  TFont* FHyperlinks;                 // owned (child object)
  std::array<TFont*, 6> FHeaders{};  // owned (child objects)
  bool FTransparent = true;
  bool FShowFocus = false;  // focused by the keyboard: the focus frame shows
};

// Makes TMiniHTML known to the form reader.
void RegisterMyHtmlClasses();
