#include "shell/ChapterStart.h"

#include "platform/Image.h"
#include "scene/pc_panel.h"
#include "scene/pc_shape.h"
#include "shell/ChapterStartLooks.h"
#include "shell/MMX.h"
#include "shell/Pictures.h"

namespace {
// The picture files behind Image1 ... Image5.
constexpr const char* ImageFiles[] = {"chapterstart8.gif", "chapterstart1.gif", "chapterstart2.gif",
                                      "chapterstart9.gif", "chapterstart10.gif"};
constexpr int ImageCount = 5;
}  // namespace

TPCPanel* TfmChapterStart::PCPanel1() const { return Component<TPCPanel>(QStringLiteral("PCPanel1")); }
TPCShape* TfmChapterStart::PCShape1() const { return Component<TPCShape>(QStringLiteral("PCShape1")); }
TImage* TfmChapterStart::Image(int Index) const { return Component<TImage>(QStringLiteral("Image%1").arg(Index)); }

void TfmChapterStart::FormCreate(QObject*) {
  for (int I = 1; I <= ImageCount; ++I) {
    const QByteArray File = PictureFile(QString::fromLatin1(ImageFiles[I - 1]));
    if (!File.isEmpty()) Image(I)->Picture()->LoadFromMemory(File);
  }
  const std::optional<TChapterStartLook> Look = ChapterStartLook(MMX ? MMX->CurrentPage() : 0);
  if (!Look) return;
  TPCPanel* Panel = PCPanel1();
  Panel->SetBackground(Image(Look->Image)->Picture());
  // The title band blends over the new background.
  Panel->RepaintAllShapes();
  PCShape1()->SetCaption(QString::fromUtf8(Look->Title));
}
