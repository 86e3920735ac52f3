#pragma once
// The components for screen readers: page texts with their links, answer
// grids as tables, clickable polygons as check boxes, number lines.
#include <QString>
#include <functional>

// What a link's target is called ("110" -> "Einführung"); the course sets
// it, and without it a link is described by its target as written.
using TLinkTitleSource = std::function<QString(const QString& URL)>;
void SetLinkTitleSource(TLinkTitleSource Source);

void RegisterComponentAccessibles();
