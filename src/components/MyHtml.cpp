#include "components/MyHtml.h"

#include <QImage>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/Bitmap.h"
#include "platform/ComponentRegistry.h"
#include "platform/Forms.h"
#include "platform/KeyboardPress.h"

namespace {
// Measures instead of drawing: remembers the box of every word written.
class TWordBoxCanvas final : public TCoreCanvas {
 public:
  explicit TWordBoxCanvas(TCoreCanvas& Measure) : FMeasure(Measure) {}
  TFontSpec GetFont() const override { return FMeasure.GetFont(); }
  void SetFont(const TFontSpec& Font) override { FMeasure.SetFont(Font); }
  TSize TextExtent(const std::string& Text) override { return FMeasure.TextExtent(Text); }
  void TextOut(int X, int Y, const std::string& Text) override {
    const TSize S = FMeasure.TextExtent(Text);
    if (S.cx <= 0 || Text.find_first_not_of(' ') == std::string::npos) return;
    FBoxes.push_back({X, Y, X + S.cx, Y + S.cy});
  }
  TColor PenColor() const override { return FPen; }
  void SetPenColor(TColor Color) override { FPen = Color; }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(const std::vector<TPoint>&) override {}
  std::vector<TRect> Boxes() && { return std::move(FBoxes); }

 private:
  TCoreCanvas& FMeasure;
  TColor FPen = 0;
  std::vector<TRect> FBoxes;
};

// Text with an opaque background: each word's cell is painted in the
// control's colour before the word. Everything else goes to the canvas as is.
class TOpaqueTextCanvas final : public TCoreCanvas {
 public:
  TOpaqueTextCanvas(TCanvas& Canvas, TColor Background) : FCanvas(Canvas), FBackground(Background) {}
  TFontSpec GetFont() const override { return FCanvas.Core().GetFont(); }
  void SetFont(const TFontSpec& Font) override { FCanvas.Core().SetFont(Font); }
  TSize TextExtent(const std::string& Text) override { return FCanvas.Core().TextExtent(Text); }
  void TextOut(int X, int Y, const std::string& Text) override {
    FCanvas.Brush().SetColor(FBackground);
    FCanvas.SetBkMode(bkOpaque);
    FCanvas.TextOut(X, Y, QString::fromStdString(Text));
  }
  TColor PenColor() const override { return FCanvas.Core().PenColor(); }
  void SetPenColor(TColor Color) override { FCanvas.Core().SetPenColor(Color); }
  void MoveTo(int X, int Y) override { FCanvas.Core().MoveTo(X, Y); }
  void LineTo(int X, int Y) override { FCanvas.Core().LineTo(X, Y); }
  void Polyline(const std::vector<TPoint>& Points) override { FCanvas.Core().Polyline(Points); }

 private:
  TCanvas& FCanvas;
  TColor FBackground;
};
}  // namespace

TMiniHTML::TMiniHTML(QWidget* Parent) : TControl(Parent), FHyperlinks(new TFont(this)) {
  for (TFont*& Header : FHeaders) {
    Header = new TFont(this);
    connect(Header, &TFont::Changed, this, qOverload<>(&QWidget::update));
  }
  FHeaders[0]->SetHeight(24);
  FHeaders[0]->SetName(QStringLiteral("Tahoma"));
  // The link font starts as a copy of the owning form's font: the form
  // around a new control, or the form whose design creates it.
  QObject* Owner = Parent ? Parent->window() : TComponentRegistry::CreatingOwner();
  if (auto* Form = qobject_cast<TCustomForm*>(Owner)) FHyperlinks->Assign(*Form->Font());
  FHyperlinks->SetStyle(fsUnderline);
  FHyperlinks->SetColor(clBlue);
  connect(FHyperlinks, &TFont::Changed, this, qOverload<>(&QWidget::update));
  SetColor(clWindow);
  SetBounds(Left(), Top(), 200, 100);
  setMouseTracking(true);
  Tokenize();
}

TMiniHTML::~TMiniHTML() = default;

void TMiniHTML::SetLines(const QStringList& Value) {
  FLines = Value;
  Tokenize();
  update();
}

void TMiniHTML::AddLine(const QString& Line) {
  QStringList Value = FLines;
  Value.append(Line);
  SetLines(Value);
}

void TMiniHTML::Tokenize() {
  // Every line ends with a line break, which the scanner reads as a blank.
  QByteArray Text;
  for (const QString& Line : FLines) {
    Text += Line.toUtf8();
    Text += "\r\n";
  }
  FTokens = ::Tokenize(std::string_view(Text.constData(), static_cast<std::size_t>(Text.size())));
  FPlain.reset();
  setFocusPolicy(Plain().Links.empty() ? Qt::NoFocus : Qt::TabFocus);
}

const TPlainText& TMiniHTML::Plain() const {
  if (!FPlain) FPlain = PlainText(FTokens);
  return *FPlain;
}

void TMiniHTML::FollowLink(int Index) {
  if (Index < 0 || Index >= static_cast<int>(Plain().Links.size()) || !OnHyperjump) return;
  const QString URL = QString::fromStdString(Plain().Links[static_cast<std::size_t>(Index)].URL);
  OnHyperjump(this, URL);
}

void TMiniHTML::SetHyperlinks(TFont* Value) {
  if (Value) FHyperlinks->Assign(*Value);
  update();
}

TFont* TMiniHTML::GetHeader(int Index) const {
  if (Index < 1 || Index > 6) return nullptr;
  return FHeaders[static_cast<std::size_t>(Index - 1)];
}

void TMiniHTML::SetHeader(int Index, TFont* Value) {
  if (TFont* Header = GetHeader(Index); Header && Value) Header->Assign(*Value);
  update();
}

void TMiniHTML::SetTransparent(bool Value) {
  FTransparent = Value;
  update();
}

bool TMiniHTML::IsStored(const QString& Property) const {
  if (Property == QLatin1String("Color")) return Color() != clWindow;
  return TControl::IsStored(Property);
}

void TMiniHTML::Layout(TCanvas& Canvas) {
  THTMLParser::THeaderFonts Headers;
  for (std::size_t I = 0; I < Headers.size(); ++I) Headers[I] = FHeaders[I]->FontSpec();
  const TFontSpec LinkFont = FHyperlinks->FontSpec();
  TOpaqueTextCanvas Opaque(Canvas, Color());
  TCoreCanvas& Core = FTransparent ? static_cast<TCoreCanvas&>(Canvas.Core()) : Opaque;
  THTMLParser Parser(FTokens, FLinks, LinkFont, Headers, Width(), Core);
  Parser.Parse();
}

std::vector<TRect> TMiniHTML::WordBoxes() {
  QImage Scratch(1, 1, QImage::Format_RGB32);
  TCanvas Canvas(&Scratch);
  Canvas.SetFont(*Font());
  THTMLParser::THeaderFonts Headers;
  for (std::size_t I = 0; I < Headers.size(); ++I) Headers[I] = FHeaders[I]->FontSpec();
  THyperLinkList Links;
  TWordBoxCanvas Boxes(Canvas.Core());
  THTMLParser Parser(FTokens, Links, FHyperlinks->FontSpec(), Headers, Width(), Boxes);
  Parser.Parse();
  return std::move(Boxes).Boxes();
}

void TMiniHTML::DrawContent(TCanvas& Canvas, bool Buffered, TCopyMode Rop, const TRect& R) {
  if (!FTransparent) {
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(R);
  }
  if (!Buffered) {
    Canvas.SetFont(*Font());
    Layout(Canvas);
    return;
  }
  TBitmap Buffer(Width(), Height());
  Buffer.Canvas().SetFont(*Font());
  Layout(Buffer.Canvas());
  const int W = std::min(R.Width(), Buffer.Width());
  const int H = std::min(R.Height(), Buffer.Height());
  if (W <= 0 || H <= 0) return;
  Canvas.DrawImage(TRect{R.Left, R.Top, R.Left + W, R.Top + H}, Buffer.Image(), TRect{0, 0, W, H}, Rop);
}

void TMiniHTML::paintEvent(QPaintEvent*) {
  {
    TCanvas Canvas(this);
    DrawContent(Canvas, false, SRCCOPY, TRect{0, 0, Width(), Height()});
  }
  if (FShowFocus && hasFocus()) {
    QPainter P(this);
    P.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (const auto& Link : FLinks)
      for (const TXRect& R : Link->Bounds) P.drawRect(QRect(QPoint(R.Left - 1, R.Top - 1), QPoint(R.Right, R.Bottom)));
  }
}

void TMiniHTML::keyPressEvent(QKeyEvent* Event) {
  if (!FShowFocus) {
    FShowFocus = true;
    update();
  }
  if (IsPressKey(*Event) && OnHyperjump) {
    Event->accept();
    FollowLink(0);
    return;
  }
  TControl::keyPressEvent(Event);
}

void TMiniHTML::focusInEvent(QFocusEvent* Event) {
  TControl::focusInEvent(Event);
  FShowFocus = IsKeyboardFocus(Event->reason());
  update();
}

void TMiniHTML::focusOutEvent(QFocusEvent* Event) {
  TControl::focusOutEvent(Event);
  FShowFocus = false;
  update();
}

bool TMiniHTML::LinkAt(int X, int Y) const {
  return std::any_of(FLinks.begin(), FLinks.end(), [&](const auto& Link) { return Link->Hit(X, Y); });
}

void TMiniHTML::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  SetCursor(OnHyperjump && LinkAt(P.x(), P.y()) ? crHandPoint : crDefault);
  TControl::mouseMoveEvent(Event);
}

void TMiniHTML::mousePressEvent(QMouseEvent* Event) {
  // The press is the control's own: it does not go on as a general click.
  Event->accept();
  if (Event->button() != Qt::LeftButton || !OnHyperjump) return;
  const QPoint P = Event->position().toPoint();
  // The handler may change the text and repaint, which rebuilds the links:
  // the targets are collected first.
  QStringList Targets;
  for (const auto& Link : FLinks)
    if (Link->Hit(P.x(), P.y())) Targets.append(QString::fromStdString(Link->URL));
  for (const QString& URL : Targets) OnHyperjump(this, URL);
}

QStringList TMiniHTML::DesignSampleLines() {
  return {
      QStringLiteral("<B><U>MiniHTML-Komponente</U></B><BR>"),
      QStringLiteral("mögliche Tags: H1..H6, B, I, U, BR, A, SUP, SUB und FONT <BR>"),
      QStringLiteral("wobei im A-Tag nur HREF akzeptiert wird, <BR>im FONT-Tag nur COLOR= <BR>"),
      QStringLiteral("Beim Klick auf die Sprungmarke wird <A HREF=Hyperjump >\"OnHyperjump\"</A> aufgerufen"),
  };
}

void RegisterMyHtmlClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TMiniHTML>();
  R.RegisterEvent("OnHyperjump", &TMiniHTML::OnHyperjump);
}
