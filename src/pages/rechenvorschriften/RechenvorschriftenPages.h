#pragma once
// Registers the page forms of the chapter "Rechenvorschriften".
void RegisterRechenvorschriftenPages();
