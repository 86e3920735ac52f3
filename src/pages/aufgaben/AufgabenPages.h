#pragma once
// Registers the page forms of the chapter "Aufgaben".
void RegisterAufgabenPages();
