#include "shell/History.h"

void THistory::Add(int Page) {
  if (!FItems.empty()) FItems.resize(static_cast<size_t>(FIndex) + 1);
  FItems.push_back(Page);
  FIndex = Count() - 1;
}

int THistory::Back() {
  if (!CanGoBack()) return -1;
  return FItems[static_cast<size_t>(--FIndex)];
}

int THistory::Forward() {
  if (!CanGoForward()) return -1;
  return FItems[static_cast<size_t>(++FIndex)];
}
