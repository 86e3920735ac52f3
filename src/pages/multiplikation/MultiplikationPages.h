#pragma once
// Registers the page forms of the chapter "Multiplikation von Summen".
void RegisterMultiplikationPages();
