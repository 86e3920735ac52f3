#include "shell/PageSetup.h"

TPageSetup PageSetupFromTag(int Tag) {
  TPageSetup S;
  S.DoubleBuffered = !(Tag & pfDirectDrawing);
  S.ToolBarVisible = !(Tag & pfHideToolBar);
  S.ChapterBackground = !(Tag & pfNoChapterBackground);
  S.OwnKeys = (Tag & pfOwnKeys) != 0;
  S.HorzScrollBar = (Tag & pfKeepHorzScrollBar) != 0;
  S.VertScrollBar = (Tag & pfKeepVertScrollBar) != 0;
  return S;
}

TBackgroundAction ChapterBackgroundAction(int Tag, int Chapter, int ChapterCount, bool SameChapter,
                                          bool HaveRendered) {
  if ((Tag & pfNoChapterBackground) || Chapter < 0 || Chapter >= ChapterCount) return baNone;
  return SameChapter && HaveRendered ? baReuse : baRender;
}
