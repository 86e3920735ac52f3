#include "components/GIFImage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "components/GIFBitmap.h"
#include "components/GIFDecoder.h"
#include "platform/Convert.h"

namespace {

// A view of the composed pixels, valid until the next composition.
QImage View(const TGIFPixels& Pixels) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return {};
  return QImage(reinterpret_cast<const uchar*>(Pixels.Pixels.data()), Pixels.Width, Pixels.Height,
                static_cast<qsizetype>(Pixels.Width) * 4, QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

TGIFImage::TGIFImage(QWidget* Parent) : TControl(Parent) {
  resize(105, 105);
  SetColor(clWindow);
  SetParentColor(true);
}

TGIFImage::~TGIFImage() {
  FAnimate = false;
  StopAnimation();
}

bool TGIFImage::LoadFromData(const QByteArray& GIF) {
  StopAnimation();
  FRaw = GIF;
  FLoading = true;
  struct TLoadingEnd {
    bool& Flag;
    ~TLoadingEnd() { Flag = false; }
  } LoadingEnd{FLoading};

  TGIFDecodeOptions Options;
  Options.FirstImageOnly = FFirstImageOnly;
  if (OnProgress) {
    Options.Progress = [this](std::size_t Position, std::size_t Total) {
      bool Keep = true;
      const int Percent = Total == 0 ? 100 : static_cast<int>(Position * 100 / Total);
      OnProgress(this, static_cast<int>(std::min<std::size_t>(Position, INT_MAX)),
                 static_cast<int>(std::min<std::size_t>(Total, INT_MAX)), Percent, Keep);
      return Keep;
    };
  }
  FPicture = DecodeGIF(reinterpret_cast<const std::uint8_t*>(FRaw.constData()), static_cast<std::size_t>(FRaw.size()),
                       Options);
  FCurrentFrame = 1;
  FLoopsPlayed = 0;
  FComposer.Reset(FPicture);
  FComposer.ShowFrame(FPicture, 0);
  LoadingEnd.Flag = false;

  ApplyAutoSize();
  AfterLayoutChange();
  StartAnimation();
  return FPicture.Succeeded();
}

bool TGIFImage::LoadFromFile(const QString& FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly)) return false;
  return LoadFromData(File.readAll());
}

void TGIFImage::Assign(const TGIFImage* Source) {
  if (Source == nullptr) {
    Clear();
  } else if (Source != this) {
    LoadFromData(Source->FRaw);
  }
}

void TGIFImage::Clear() { LoadFromData(QByteArray()); }

QByteArray TGIFImage::Data() const {
  if (FRaw.isEmpty()) return {};
  QByteArray Out;
  const quint32 Count = static_cast<quint32>(FRaw.size());
  for (int i = 0; i < 4; ++i) Out.append(static_cast<char>((Count >> (8 * i)) & 0xFF));
  Out.append(FRaw);
  return Out;
}

// A count beyond the bytes that follow is taken as far as they go.
void TGIFImage::SetData(const QByteArray& Value) {
  if (Value.size() < 4) {
    Clear();
    return;
  }
  const auto* P = reinterpret_cast<const unsigned char*>(Value.constData());
  const quint32 Count = P[0] | (P[1] << 8) | (P[2] << 16) | (static_cast<quint32>(P[3]) << 24);
  const qsizetype Available = Value.size() - 4;
  LoadFromData(Value.mid(4, static_cast<qsizetype>(std::min<quint64>(Count, static_cast<quint64>(Available)))));
}

QImage TGIFImage::ToImage() const { return ImageFromPixels(FComposer.Picture()); }

int TGIFImage::FrameTime(int Index) const {
  if (Index < 1 || Index > FrameCount()) return GIFFrameTime(0, FSpeed);
  return GIFFrameTime(FPicture.Frames[static_cast<std::size_t>(Index - 1)].Delay, FSpeed);
}

int TGIFImage::TimerInterval() const { return FTimer != nullptr ? static_cast<int>(FTimer->Interval()) : 0; }

TGIFPlacement TGIFImage::Placement() const {
  return PlaceGIF(FPicture.Width, FPicture.Height, width(), height(), FLayout);
}

void TGIFImage::SetAnimate(bool Value) {
  if (Value == FAnimate) return;
  FAnimate = Value;
  if (Value) {
    FLoopsPlayed = 0;
    StartAnimation();
  } else {
    StopAnimation();
    if (FCurrentFrame > 1) ShowFrame(1);
  }
}

void TGIFImage::StartAnimation() {
  if (!FAnimate || FLoading || FrameCount() < 2) return;
  if (FTimer == nullptr) {
    FTimer = new TTimerEx(this);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](QObject*) { AnimationTick(); };
  }
  FTimer->SetThreaded(FThreaded);
  FTimer->SetThreadPriority(FThreadPriority);
  FTimer->SetInterval(static_cast<uint>(FrameTime(FCurrentFrame)));
  FTimer->SetEnabled(true);
}

// The timer may be the caller (the last loop ended in its tick), so it is
// stopped now and freed once the tick is over.
void TGIFImage::StopAnimation() {
  if (FTimer == nullptr) return;
  FTimer->SetEnabled(false);
  FTimer->OnTimer.Clear();
  FTimer->deleteLater();
  FTimer = nullptr;
}

void TGIFImage::AnimationTick() {
  if (!FAnimate || FLoading || Empty() || FTimer == nullptr) return;
  QElapsedTimer Clock;
  Clock.start();
  const int Count = FrameCount();
  if (FCurrentFrame < 1 || FCurrentFrame > Count) FCurrentFrame = 1;
  if (OnChanging) OnChanging(this);
  int Next = FCurrentFrame + 1;
  const bool Wrapped = Next > Count;
  if (Wrapped) {
    // Without Loop the file's loop count decides (0 there means endless);
    // a finished animation stays on its last frame.
    if (!FLoop && FPicture.LoopCount >= 1 && ++FLoopsPlayed >= FPicture.LoopCount) {
      StopAnimation();
      if (OnChange) OnChange(this);
      if (OnWrapAnimation) OnWrapAnimation(this);
      return;
    }
    Next = 1;
  }
  FComposer.ShowFrame(FPicture, Next - 1);
  FCurrentFrame = Next;
  update();
  if (FTimer != nullptr) {
    const qint64 Left = FrameTime(Next) - Clock.elapsed();
    FTimer->SetInterval(static_cast<uint>(std::max<qint64>(Left, 1)));
  }
  if (OnChange) OnChange(this);
  if (Wrapped && OnWrapAnimation) OnWrapAnimation(this);
}

void TGIFImage::ShowFrame(int Index) {
  if (OnChanging) OnChanging(this);
  FComposer.ShowFrame(FPicture, Index - 1);
  FCurrentFrame = Index;
  update();
  if (OnChange) OnChange(this);
}

void TGIFImage::SetCurrentFrame(int Value) {
  if (Value < 1 || Value > FrameCount() || Value == FCurrentFrame) return;
  ShowFrame(Value);
}

void TGIFImage::SetLoop(bool Value) {
  if (Value == FLoop) return;
  FLoop = Value;
  // An animation that ran out of loops starts again from the first frame.
  if (Value && FAnimate && FTimer == nullptr && FrameCount() >= 2) {
    FLoopsPlayed = 0;
    ShowFrame(1);
    StartAnimation();
  }
}

void TGIFImage::SetSpeed(int Value) {
  Value = std::max(Value, 1);
  if (Value == FSpeed) return;
  FSpeed = Value;
  if (FTimer != nullptr) FTimer->SetInterval(1);  // the next frame comes at once, at the new speed
}

void TGIFImage::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  ApplyAutoSize();
}

void TGIFImage::ApplyAutoSize() {
  if (FAutoSize && !Empty()) resize(FPicture.Width, FPicture.Height);
}

void TGIFImage::SetFirstImageOnly(bool Value) {
  if (Value == FFirstImageOnly) return;
  FFirstImageOnly = Value;
  if (!FRaw.isEmpty()) LoadFromData(FRaw);
}

void TGIFImage::SetOpaque(bool Value) {
  if (Value == FOpaque) return;
  FOpaque = Value;
  AfterLayoutChange();
}

void TGIFImage::SetThreaded(bool Value) {
  FThreaded = Value;
  if (FTimer != nullptr) FTimer->SetThreaded(Value);
}

void TGIFImage::SetThreadPriority(TThreadPriority Value) {
  FThreadPriority = Value;
  if (FTimer != nullptr) FTimer->SetThreadPriority(Value);
}

void TGIFImage::SetLayoutFlag(bool& Flag, bool Value) {
  if (Value == Flag) return;
  Flag = Value;
  AfterLayoutChange();
}

// The framework need not paint behind the control when the picture covers
// it completely and has no transparent first frame.
void TGIFImage::AfterLayoutChange() {
  const TGIFPlacement P = Placement();
  const bool Covers = P.Tiled || (P.Dest.Left <= 0 && P.Dest.Top <= 0 && P.Dest.Right >= width() &&
                                  P.Dest.Bottom >= height() && !Empty());
  const bool FirstTransparent = !Empty() && FPicture.Frames.front().Transparent;
  setAttribute(Qt::WA_OpaquePaintEvent, Covers && !Empty() && (!FirstTransparent || FOpaque));
  update();
}

void TGIFImage::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  AfterLayoutChange();
}

void TGIFImage::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  const TGIFPlacement P = Placement();
  const QRect Dest = ToQRect(P.Dest);
  const bool Covers = !Empty() && (P.Tiled || Dest.contains(rect()));
  if (FOpaque && (!Covers || FPicture.Transparent)) Painter.fillRect(rect(), TColorToQColor(Color()));
  if (Empty()) return;

  const QImage Picture = View(FComposer.Picture());
  // Without a transparent first frame, what a later frame left transparent
  // shows black, as the composed picture holds it.
  const bool ShowTransparency = FPicture.Frames.front().Transparent;
  auto DrawAt = [&](const QRect& R) {
    if (!ShowTransparency && FPicture.Transparent) Painter.fillRect(R, Qt::black);
    Painter.drawImage(R, Picture);
  };
  if (P.Tiled) {
    for (int Y = 0; Y < height(); Y += Picture.height())
      for (int X = 0; X < width(); X += Picture.width()) DrawAt(QRect(X, Y, Picture.width(), Picture.height()));
  } else {
    DrawAt(Dest);
  }
}
