#pragma once
// How the shell sets up a page form before showing it: the page's Tag read
// as a bit set, and whether the chapter background is reused, rendered
// anew or left out.

// Bits of a page form's Tag.
enum TPageFlag : int {
  pfDirectDrawing = 1,        // draw directly instead of double-buffered
  pfHideToolBar = 2,          // the main window's tool bar is hidden
  pfNoChapterBackground = 4,  // no chapter background behind the page
  pfOwnKeys = 8,              // the page's key-down handler sees every key first
  pfKeepHorzScrollBar = 16,   // keep the horizontal scroll bar
  pfKeepVertScrollBar = 32,   // keep the vertical scroll bar
};

struct TPageSetup {
  bool DoubleBuffered = true;
  bool ToolBarVisible = true;
  bool ChapterBackground = true;
  bool OwnKeys = false;
  bool HorzScrollBar = false;
  bool VertScrollBar = false;
};

TPageSetup PageSetupFromTag(int Tag);

enum TBackgroundAction {
  baNone,    // the page gets no paint handler
  baReuse,   // paint the background already rendered for this chapter
  baRender,  // free the old background and render the chapter's anew
};

// The chapter background of a page being shown: none when the page's Tag
// forbids it or its chapter has no background (outside 0 ... ChapterCount-1);
// otherwise the rendered one is reused when the chapter did not change.
TBackgroundAction ChapterBackgroundAction(int Tag, int Chapter, int ChapterCount, bool SameChapter,
                                          bool HaveRendered);
