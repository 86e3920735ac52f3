#pragma once
// Registers the page forms of the chapter "Äquivalenz".
void RegisterAequivalenzPages();
