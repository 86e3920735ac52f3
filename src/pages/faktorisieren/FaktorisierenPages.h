#pragma once
// Registers the exercise and summary pages of the factorising chapter
// (the games register themselves beside them).
void RegisterFaktorisierenPages();
