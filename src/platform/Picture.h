#pragma once
// Pictures: TGraphic is any picture a canvas can draw (the bitmap, later the
// GIF image); TPicture holds one graphic of any registered format and finds
// the format of file contents by their signature.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

#include "common/Types.h"

class TCanvas;
class TBitmap;

// Picture data that cannot be read (unknown format, damaged contents) or a
// picture file that cannot be opened or written.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TGraphic {
 public:
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // Draws the picture stretched into R (a negative extent mirrors it).
  virtual void Draw(TCanvas& Canvas, const TRect& R) const = 0;
  // Replaces the picture by the contents of a file of its format;
  // throws EInvalidGraphic and keeps the old picture when they are unreadable.
  virtual void LoadFromMemory(const QByteArray& Data) = 0;
  virtual QByteArray SaveToMemory() const = 0;
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  // The picture as a plain image (the first frame of an animation).
  virtual QImage ToImage() const = 0;

  // Transparent pictures leave their transparent colour out when drawn.
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value) { FTransparent = Value; }

  void LoadFromFile(const QString& FileName);
  // Writes atomically; throws EInvalidGraphic on failure.
  void SaveToFile(const QString& FileName) const;

 protected:
  TGraphic() = default;
  TGraphic(const TGraphic&) = default;
  TGraphic& operator=(const TGraphic&) = default;

 private:
  bool FTransparent = false;
};

// Reads a whole file (bounded in size); throws EInvalidGraphic.
QByteArray ReadPictureFile(const QString& FileName);

// Recognises a format by the first bytes of its data.
using TFormatCheck = std::function<bool(const QByteArray& Data)>;
// Makes an empty graphic of the format, to be filled with LoadFromMemory.
using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

class TPicture : public QObject {
  Q_OBJECT
  // The picture as file contents of its format; setting it loads any
  // registered format (and throws EInvalidGraphic on bad data).
  Q_PROPERTY(QByteArray Data READ Data WRITE SetData)

 public:
  explicit TPicture(QObject* Parent = nullptr);
  ~TPicture() override;

  TGraphic* Graphic() const { return FGraphic.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> Graphic);
  // Copies the graphic (nullptr empties the picture).
  void SetGraphic(const TGraphic* Graphic);
  // The graphic as a bitmap: a bitmap graphic itself, otherwise it is
  // replaced by a bitmap copy of its picture (an empty bitmap when empty).
  TBitmap& Bitmap();

  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }
  bool Empty() const { return !FGraphic || FGraphic->Empty(); }

  void Assign(const TPicture& Source);
  void Clear();
  void LoadFromFile(const QString& FileName);
  void LoadFromMemory(const QByteArray& Data);
  void SaveToFile(const QString& FileName) const;

  QByteArray Data() const;
  void SetData(const QByteArray& Value);

  // The format registry. Built in: "BMP", "PNG", "JPEG". A later
  // registration of the same name replaces the earlier one; checks run
  // newest first.
  static void RegisterFormat(const QString& Name, TFormatCheck Check, TGraphicFactory Factory);
  static QStringList RegisteredFormats();
  // The name of the format of Data, or an empty string.
  static QString DetectFormat(const QByteArray& Data);
  // A new graphic holding Data; throws EInvalidGraphic.
  static std::unique_ptr<TGraphic> CreateGraphic(const QByteArray& Data);

 signals:
  void Changed();

 private:
  std::unique_ptr<TGraphic> FGraphic;
};
