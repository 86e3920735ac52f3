#include "shell/Startseite.h"

#include "components/GIFImage.h"
#include "shell/MMX.h"
#include "shell/PageNumbers.h"
#include "shell/Pictures.h"

void TfmStartseite::FormCreate(QObject*) {
  Component<TGIFImage>(QStringLiteral("GIFImage1"))->LoadFromData(PictureFile(QStringLiteral("startpage.gif")));
}

void TfmStartseite::PCVGlassButton1Click(QObject* Sender) {
  const int Page = TagOf(Sender);
  if (MMX && Page > 0) MMX->PostGotoPage(Page, true);
}

void TfmStartseite::MiniHTML3Hyperjump(QObject*, const QString& URL) {
  const std::optional<int> Page = PageFromLinkTarget(URL.toStdString());
  if (MMX && Page) MMX->PostGotoPage(*Page, true);
}
