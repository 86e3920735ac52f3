#pragma once
// Registers the scene box, its collections' events and the identifiers of
// the scene's enumerations (FixType, Shape, LineEnd1/2, Kind) with the
// component registry. Called at start-up (and by tests); repeating it is
// harmless.
void RegisterSceneBoxClasses();
