#pragma once
// Registers the scene's push button, answer combo, background panel,
// shapes and glass buttons with the component registry (start-up, tests).
// Repeating it is harmless.
void RegisterSceneControls();
