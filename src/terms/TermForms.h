#pragma once
// The written form of an answer, beside its value: whether a term is
// multiplied out, collected or factorised. Pages combine these with the
// equivalence test ("equivalent, and multiplied out"), so a pupil cannot
// pass a form test with a trick such as "+ 0" or "1 * (...)".
class TTerm;

// A sum (or a single product or power) in which no product has a sum or
// difference as a factor, no power has one as its base, no bracketed sum
// follows a minus, no summand is zero and no product has the factor 1.
// "a^2 + 2*a*b + b^2", "-x + 2", "6*x" are; "(a+b)^2", "2*(x+1)",
// "x^2 - (2x + 15)", "a^2 + 0", "1*a^2" are not.
bool IsMultipliedOut(const TTerm& Term);

// Multiplied out, and as short as possible: no two summands with the same
// letters and powers, every product with at most one number and each letter
// at most once ("8*x", "3*a + 2*b", "x^3", "6*a^2"; not "3*x + 5*x",
// "x*x*x", "2*a*3*a", "4*y + 1 + 2").
bool IsCollected(const TTerm& Term);

// A product of at least two factors, none of them the number 1, or a power
// of a sum or of such a product ("5*(x+y)", "(a+b)^2", "-(x+3)*(x-3)"; not
// "1*(x+y)", "(x+y)*1", "x + y").
bool IsFactorised(const TTerm& Term);

// A sum whose summands all share a whole-number factor above 1 or a letter
// (numerators only): "5*u*w + 2*v*w" (w), "45*u + 18*v" (9), "-6*x - 4"
// (2); not "2*a + 3*b", "2*a/c + 3*b/c", a single product.
bool SummandsShareAFactor(const TTerm& Term);

// Shown without any bracket: no operator of the term puts brackets around
// one of its parts when the term is written or drawn ("a - b - c", "-x + 6",
// "2*a^2"; not "a - (b + c)", "-(x - 6)", "(2*a)^2", "2*(-x)").
bool IsWithoutBrackets(const TTerm& Term);
