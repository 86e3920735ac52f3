#pragma once
// Registers the term box and the term input window with the component
// registry (start-up, tests).
// Repeating it is harmless.
void RegisterTermControls();
