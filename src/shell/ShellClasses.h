#pragma once
// Registers the shell's form classes for the designs; registering again is
// harmless.
void RegisterShellClasses();
