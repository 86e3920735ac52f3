#include "shell/ChapterStart.h"

#include <map>
#include <memory>

#include "platform/Image.h"
#include "platform/Picture.h"
#include "scene/PCPanel.h"
#include "scene/PCShape.h"
#include "shell/ChapterStartLooks.h"
#include "shell/MMX.h"
#include "shell/Pictures.h"

namespace {
// The picture files behind Image1 ... Image6.
constexpr const char* ImageFiles[] = {"chapterstart8.gif", "chapterstart1.gif",  "chapterstart2.gif",
                                      "chapterstart9.gif", "chapterstart10.gif", "chapterstart5.gif"};
constexpr int ImageCount = 6;

// Each picture is decoded once per run: every visit shares its pixels, so
// the panel also finds its stretched background from the visit before.
const TGraphic* ChapterPicture(int Index) {
  static std::map<int, std::unique_ptr<TGraphic>> Decoded;
  auto [It, Inserted] = Decoded.try_emplace(Index);
  if (Inserted) {
    const QByteArray File = PictureFile(QString::fromLatin1(ImageFiles[Index - 1]));
    if (!File.isEmpty()) It->second = TPicture::CreateGraphic(File);
  }
  return It->second.get();
}
}  // namespace

TPCPanel* TfmChapterStart::PCPanel1() const { return Component<TPCPanel>(QStringLiteral("PCPanel1")); }
TPCShape* TfmChapterStart::PCShape1() const { return Component<TPCShape>(QStringLiteral("PCShape1")); }
TImage* TfmChapterStart::Image(int Index) const { return Component<TImage>(QStringLiteral("Image%1").arg(Index)); }

void TfmChapterStart::FormCreate(QObject*) {
  for (int I = 1; I <= ImageCount; ++I)
    if (const TGraphic* Picture = ChapterPicture(I)) Image(I)->Picture()->SetGraphic(Picture);
  const std::optional<TChapterStartLook> Look = ChapterStartLook(MMX ? MMX->CurrentPage() : 0);
  if (!Look) return;
  TPCPanel* Panel = PCPanel1();
  Panel->SetBackground(Image(Look->Image)->Picture());
  // The title band blends over the new background.
  Panel->RepaintAllShapes();
  const QString Title = QString::fromUtf8(Look->Title);
  PCShape1()->SetCaption(Title);
  // A screen reader names the picture and says what the page is.
  Panel->setAccessibleName(QStringLiteral("Titelbild: %1").arg(Title));
  PCShape1()->setAccessibleName(QStringLiteral("Kapitelanfang: %1").arg(Title));
}
