#pragma once
// The shell's windows and controls for screen readers: the message window
// is an alert, the learning-path buttons are buttons, the status bar reads
// its panels. Every page shown is named after its title and described by
// its first text, and the keyboard focus goes to its first answer (or its
// first text), so that a reader announces where the pupil is.
#include <QString>

class QWidget;

// Names Page (title, first text) and moves the focus into it.
void PresentPage(QWidget* Page, const QString& Title);

// The control PresentPage gives the focus: the first visible answer of
// the page's answer list, else its first text; null when there is none.
QWidget* FirstFocusOf(QWidget* Page);

void RegisterShellAccessibles();
