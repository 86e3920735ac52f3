#pragma once
// Makes this layer's components (timer, GIF picture, extended shapes) known
// to page designs (classes, events) and its picture formats known to TPicture. Called once at start-up, after the
// platform's registration; calling it again is harmless.
void RegisterComponentClasses();
