#pragma once
// The spoken German form of a term, for screen readers: the words a maths
// teacher reads a term out with, one blank between them.
//
//   (a+b)^2  ->  "Klammer auf a plus b Klammer zu hoch 2"
//   x/2      ->  "x durch 2"
//   ?        ->  "leer"
//
// Brackets are spoken wherever a listener would otherwise group the words
// differently (the usual order: "hoch" before "mal" and "durch" before
// "plus" and "minus", each from left to right). Pure C++.
#include <string>

class TTerm;

std::string SpokenTerm(const TTerm& Term);
