#include "platform/Picture.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Jpeg.h"

namespace {

constexpr qint64 MaxPictureFileBytes = 256LL * 1024 * 1024;

struct Format {
  QString Name;
  TFormatCheck Check;
  TGraphicFactory Factory;
};

std::vector<Format>& Registry() {
  static std::vector<Format> Formats = [] {
    const TGraphicFactory MakeBitmap = [] { return std::make_unique<TBitmap>(); };
    std::vector<Format> F;
    F.push_back({QStringLiteral("BMP"), [](const QByteArray& D) { return D.startsWith("BM"); }, MakeBitmap});
    F.push_back({QStringLiteral("PNG"), [](const QByteArray& D) { return D.startsWith("\x89PNG\r\n\x1a\n"); },
                 MakeBitmap});
    F.push_back({QStringLiteral("JPEG"), IsJpegData, MakeBitmap});
    return F;
  }();
  return Formats;
}

std::string FileMessage(const char* Text, const QString& FileName) {
  return QString::fromUtf8(Text).arg(FileName).toStdString();
}

}  // namespace

QByteArray ReadPictureFile(const QString& FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly))
    throw EInvalidGraphic(FileMessage("Die Datei „%1“ kann nicht geöffnet werden.", FileName));
  QByteArray Data = File.read(MaxPictureFileBytes + 1);
  if (Data.size() > MaxPictureFileBytes)
    throw EInvalidGraphic(FileMessage("Die Datei „%1“ ist zu groß.", FileName));
  return Data;
}

void TGraphic::LoadFromFile(const QString& FileName) { LoadFromMemory(ReadPictureFile(FileName)); }

void TGraphic::SaveToFile(const QString& FileName) const {
  const QByteArray Data = SaveToMemory();
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly) || File.write(Data) != Data.size() || !File.commit())
    throw EInvalidGraphic(FileMessage("Die Datei „%1“ kann nicht geschrieben werden.", FileName));
}

TPicture::TPicture(QObject* Parent) : QObject(Parent) {}

TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  emit Changed();
}

void TPicture::SetGraphic(const TGraphic* Graphic) {
  if (Graphic == FGraphic.get() && Graphic) return;
  SetGraphic(Graphic ? Graphic->Clone() : nullptr);
}

TBitmap& TPicture::Bitmap() {
  if (auto* B = dynamic_cast<TBitmap*>(FGraphic.get())) return *B;
  auto B = std::make_unique<TBitmap>();
  if (FGraphic && !FGraphic->Empty()) B->SetImage(FGraphic->ToImage());
  TBitmap& Result = *B;
  SetGraphic(std::move(B));
  return Result;
}

void TPicture::Assign(const TPicture& Source) {
  if (&Source == this) return;
  SetGraphic(Source.Graphic());
}

void TPicture::Clear() { SetGraphic(std::unique_ptr<TGraphic>()); }

void TPicture::LoadFromFile(const QString& FileName) { LoadFromMemory(ReadPictureFile(FileName)); }

void TPicture::LoadFromMemory(const QByteArray& Data) { SetGraphic(CreateGraphic(Data)); }

void TPicture::SaveToFile(const QString& FileName) const {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

QByteArray TPicture::Data() const { return FGraphic ? FGraphic->SaveToMemory() : QByteArray(); }

void TPicture::SetData(const QByteArray& Value) {
  if (Value.isEmpty())
    Clear();
  else
    LoadFromMemory(Value);
}

void TPicture::RegisterFormat(const QString& Name, TFormatCheck Check, TGraphicFactory Factory) {
  auto& Formats = Registry();
  std::erase_if(Formats, [&](const Format& F) { return F.Name.compare(Name, Qt::CaseInsensitive) == 0; });
  Formats.push_back({Name, std::move(Check), std::move(Factory)});
}

QStringList TPicture::RegisteredFormats() {
  QStringList Names;
  for (const auto& F : Registry()) Names << F.Name;
  return Names;
}

QString TPicture::DetectFormat(const QByteArray& Data) {
  const auto& Formats = Registry();
  for (auto It = Formats.rbegin(); It != Formats.rend(); ++It)
    if (It->Check(Data)) return It->Name;
  return {};
}

std::unique_ptr<TGraphic> TPicture::CreateGraphic(const QByteArray& Data) {
  const auto& Formats = Registry();
  for (auto It = Formats.rbegin(); It != Formats.rend(); ++It) {
    if (!It->Check(Data)) continue;
    std::unique_ptr<TGraphic> Graphic = It->Factory();
    Graphic->LoadFromMemory(Data);
    return Graphic;
  }
  throw EInvalidGraphic("Das Bild hat ein unbekanntes Format.");
}
