#pragma once
// Registers the term box with the component registry (start-up, tests).
// Repeating it is harmless.
void RegisterTermControls();
