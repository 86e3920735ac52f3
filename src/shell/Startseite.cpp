#include "shell/Startseite.h"

#include "components/GIFImage.h"
#include "scene/PCVGlass.h"
#include "shell/MMX.h"
#include "shell/PageNumbers.h"
#include "shell/Pictures.h"

void TfmStartseite::FormCreate(QObject*) {
  Component<TGIFImage>(QStringLiteral("GIFImage1"))->LoadFromData(PictureFile(QStringLiteral("startpage.gif")));
  const int Page = MMX ? MMX->ResumePage() : NoPage;
  if (Page == NoPage) return;
  const TTableOfContents& Toc = MMX->Model().Contents();
  QString Title = QString::fromStdString(Toc.Node(Toc.NodeOf(Page)).Title);
  // "&" would mark a key in the caption.
  Title.replace(QLatin1Char('&'), QStringLiteral("&&"));
  auto* Resume = Component<TPCVGlassButton>(QStringLiteral("PCVGlassButton9"));
  Resume->SetTag(Page);
  Resume->SetCaption(QStringLiteral("&Weiter bei: %1 (Seite %2)").arg(Title).arg(Page));
  Resume->SetVisible(true);
}

void TfmStartseite::PCVGlassButton1Click(QObject* Sender) {
  const int Page = TagOf(Sender);
  if (MMX && Page > 0) MMX->PostGotoPage(Page, true);
}

void TfmStartseite::MiniHTML3Hyperjump(QObject*, const QString& URL) {
  const std::optional<int> Page = PageFromLinkTarget(URL.toStdString());
  if (MMX && Page) MMX->PostGotoPage(*Page, true);
}
