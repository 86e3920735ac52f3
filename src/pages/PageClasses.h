#pragma once
// Makes the course's page forms known to the component registry, so that the
// shell can create a page from the class name of its page table row.
void RegisterPageClasses();

// Every class the program's designs use: the controls of all layers, the
// shell's windows and the pages. Registering twice does no harm.
void RegisterProgramClasses();
