#pragma once
// Makes the course's page forms known to the component registry, so that the
// shell can create a page from the class name of its page table row.
void RegisterPageClasses();
