#pragma once
// Registers the page forms of the chapter "Aufstellen von Termen".
void RegisterAufstellenPages();
