#include "shell/ChapterStart.h"

#include <array>

#include "platform/Image.h"
#include "platform/Picture.h"
#include "scene/PCPanel.h"
#include "scene/PCShape.h"
#include "shell/ChapterStartLooks.h"
#include "shell/MMX.h"
#include "shell/Pictures.h"

namespace {
// The picture files behind Image1 ... Image7.
constexpr std::array<const char*, 7> ImageFiles = {"chapterstart8.gif", "chapterstart1.gif",  "chapterstart2.gif",
                                                   "chapterstart9.gif", "chapterstart10.gif", "chapterstart5.gif",
                                                   "chapterstart4.gif"};
}  // namespace

TPCPanel* TfmChapterStart::PCPanel1() const { return Component<TPCPanel>(QStringLiteral("PCPanel1")); }
TPCShape* TfmChapterStart::PCShape1() const { return Component<TPCShape>(QStringLiteral("PCShape1")); }
TImage* TfmChapterStart::Image(int Index) const { return Component<TImage>(QStringLiteral("Image%1").arg(Index)); }

void TfmChapterStart::FormCreate(QObject*) {
  const std::optional<TChapterStartLook> Look = ChapterStartLook(MMX ? MMX->CurrentPage() : 0);
  if (!Look) return;
  // Only the picture this chapter shows is decoded (once per run).
  const char* File = ImageFiles.at(static_cast<std::size_t>(Look->Image - 1));
  TImage* Picture = Image(Look->Image);
  Picture->Picture()->SetGraphic(SharedPicture(QString::fromLatin1(File)));
  TPCPanel* Panel = PCPanel1();
  Panel->SetBackground(Picture->Picture());
  // The title band blends over the new background.
  Panel->RepaintAllShapes();
  const QString Title = QString::fromUtf8(Look->Title);
  PCShape1()->SetCaption(Title);
  // A screen reader names the picture and says what the page is.
  Panel->setAccessibleName(QStringLiteral("Titelbild: %1").arg(Title));
  PCShape1()->setAccessibleName(QStringLiteral("Kapitelanfang: %1").arg(Title));
}
