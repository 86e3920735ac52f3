#pragma once
// Registers the platform's components, events and identifiers with the
// component registry. Called once at start-up (and by tests); repeating it
// is harmless.
void RegisterPlatformClasses();
