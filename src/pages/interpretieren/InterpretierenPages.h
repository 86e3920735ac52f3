#pragma once
// Registers the page forms of the chapter "Interpretieren von Termen".
void RegisterInterpretierenPages();
