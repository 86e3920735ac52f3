#pragma once
// The fixed sample points at which IsEquivalent compares two terms.

int SamplePointCount();
// The value that Letter ("a".."z", "A".."Z") has at sample point Point.
long double SampleValue(int Point, char Letter);
