#include "shell/Navigator.h"

int NavTarget(const TTableOfContents& Toc, int Kind, int Page) {
  switch (Kind) {
    case nkFirst: return Toc.First(Page);
    case nkPrevious: return Toc.Previous(Page);
    case nkOverview: return Toc.Overview(Page);
    case nkNext: return Toc.Next(Page);
    case nkLast: return Toc.Last(Page);
    default: return NoPage;
  }
}

TNavButtonStates NavButtonStates(const TTableOfContents& Toc, const THistory& History, bool ExclusivePath,
                                 int Page) {
  TNavButtonStates S;
  for (int Kind = nkFirst; Kind <= nkLast; ++Kind) {
    const bool Exists = NavTarget(Toc, Kind, Page) != NoPage;
    S.SetVisible(Kind, Exists && !ExclusivePath);
  }
  S.SetVisible(nkBack, History.CanGoBack());
  S.SetVisible(nkForward, History.CanGoForward());
  return S;
}
