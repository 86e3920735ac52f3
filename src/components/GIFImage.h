#pragma once
// TGIFImage: a control showing a GIF picture stored with the page,
// optionally animated by a TTimerEx of its own.
#include <QByteArray>
#include <QImage>

#include "common/Colors.h"
#include "components/GIFComposer.h"
#include "components/GIFDisplay.h"
#include "components/GIFTypes.h"
#include "components/TimerEx.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Events.h"

// Sender, BytesProcessed, BytesToProcess, PercentageProcessed, KeepOnProcessing.
using TGIFProgressEvent = TEvent<int, int, int, bool&>;

class TGIFImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(bool Animate READ Animate WRITE SetAnimate)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(int CurrentFrame READ CurrentFrame WRITE SetCurrentFrame STORED false)
  Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)
  Q_PROPERTY(bool FirstImageOnly READ FirstImageOnly WRITE SetFirstImageOnly)
  Q_PROPERTY(bool Loop READ Loop WRITE SetLoop)
  Q_PROPERTY(bool Opaque READ Opaque WRITE SetOpaque)
  Q_PROPERTY(int Speed READ Speed WRITE SetSpeed)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool StretchRatio READ StretchRatio WRITE SetStretchRatio)
  Q_PROPERTY(bool StretchBigOnly READ StretchBigOnly WRITE SetStretchBigOnly)
  Q_PROPERTY(bool Tile READ Tile WRITE SetTile)
  Q_PROPERTY(bool Threaded READ Threaded WRITE SetThreaded)
  Q_PROPERTY(TimerExTypes::TThreadPriority ThreadPriority READ ThreadPriority WRITE SetThreadPriority)
  Q_PROPERTY(TGIFVersion Version READ Version STORED false)
  Q_PROPERTY(QObject* Graphic READ Graphic WRITE SetGraphic STORED false)
  // The picture as stored in a page design: a 32-bit little-endian byte
  // count followed by the GIF file exactly as loaded.
  Q_PROPERTY(QByteArray Data READ Data WRITE SetData)

 public:
  enum TGIFVersion { gvGIF87a, gvGIF89a };
  Q_ENUM(TGIFVersion)

  explicit TGIFImage(QWidget* Parent = nullptr);
  ~TGIFImage() override;

  // Around every change of the frame shown.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;
  // Before every block while loading; clearing KeepOnProcessing ends it.
  TGIFProgressEvent OnProgress;
  // When the animation passes its last frame.
  TNotifyEvent OnWrapAnimation;

  // Loads a GIF file's contents. Returns false when they are not a GIF
  // or are damaged; the frames read before the damage are shown.
  bool LoadFromData(const QByteArray& GIF);
  bool LoadFromFile(const QString& FileName);
  // Copies Source's picture (its file contents, decoded again); nullptr
  // clears the picture.
  void Assign(const TGIFImage* Source);
  void Clear();
  // The file contents as loaded.
  const QByteArray& GIFData() const { return FRaw; }
  bool LastLoadSucceeded() const { return FPicture.Succeeded(); }

  QByteArray Data() const;
  void SetData(const QByteArray& Value);

  bool Empty() const { return FPicture.Frames.empty(); }
  int FrameCount() const { return static_cast<int>(FPicture.Frames.size()); }
  // The logical screen of the picture.
  int PictureWidth() const { return FPicture.Width; }
  int PictureHeight() const { return FPicture.Height; }
  const TGIFPicture& Picture() const { return FPicture; }
  // The composed picture of the frame shown (premultiplied ARGB32,
  // transparent where nothing covers it): what copying the control to a
  // bitmap gives.
  QImage ToImage() const;
  void AssignTo(TBitmap& Bitmap) const { Bitmap.SetImage(ToImage()); }

  // How long frame Index (1-based) stays at the current speed, in ms.
  int FrameTime(int Index) const;
  // The running animation timer's interval, 0 when it is not running.
  int TimerInterval() const;
  bool AnimationRunning() const { return FTimer != nullptr; }
  int LoopsPlayed() const { return FLoopsPlayed; }
  // Where the picture is drawn in the control.
  TGIFPlacement Placement() const;

  // The animation timer's tick: shows the next frame.
  void AnimationTick();

  bool Animate() const { return FAnimate; }
  void SetAnimate(bool Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Center() const { return FLayout.Center; }
  void SetCenter(bool Value) { SetLayoutFlag(FLayout.Center, Value); }
  int CurrentFrame() const { return FCurrentFrame; }
  void SetCurrentFrame(int Value);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  bool FirstImageOnly() const { return FFirstImageOnly; }
  void SetFirstImageOnly(bool Value);
  bool Loop() const { return FLoop; }
  void SetLoop(bool Value);
  bool Opaque() const { return FOpaque; }
  void SetOpaque(bool Value);
  int Speed() const { return FSpeed; }
  void SetSpeed(int Value);
  bool Stretch() const { return FLayout.Stretch; }
  void SetStretch(bool Value) { SetLayoutFlag(FLayout.Stretch, Value); }
  bool StretchRatio() const { return FLayout.StretchRatio; }
  void SetStretchRatio(bool Value) { SetLayoutFlag(FLayout.StretchRatio, Value); }
  bool StretchBigOnly() const { return FLayout.StretchBigOnly; }
  void SetStretchBigOnly(bool Value) { SetLayoutFlag(FLayout.StretchBigOnly, Value); }
  bool Tile() const { return FLayout.Tile; }
  void SetTile(bool Value) { SetLayoutFlag(FLayout.Tile, Value); }
  bool Threaded() const { return FThreaded; }
  void SetThreaded(bool Value);
  TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value);
  TGIFVersion Version() const { return FPicture.Version89a ? gvGIF89a : gvGIF87a; }
  QObject* Graphic() const { return nullptr; }
  void SetGraphic(QObject*) {}

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void SetLayoutFlag(bool& Flag, bool Value);
  void StartAnimation();
  void StopAnimation();
  // Shows frame Index (1-based) between OnChanging and OnChange.
  void ShowFrame(int Index);
  void AfterLayoutChange();
  void ApplyAutoSize();

  QByteArray FRaw;
  TGIFPicture FPicture;
  TGIFComposer FComposer;
  TTimerEx* FTimer = nullptr;  // child object, only while animating
  TGIFLayout FLayout;
  int FCurrentFrame = 1;
  int FLoopsPlayed = 0;
  int FSpeed = 100;
  bool FAnimate = false;
  bool FAutoSize = false;
  bool FDoubleBuffered = true;
  bool FFirstImageOnly = false;
  bool FLoop = false;
  bool FOpaque = false;
  bool FThreaded = false;
  TThreadPriority FThreadPriority = tpNormal;
  bool FLoading = false;
};
