// MulDiv: the scaling helper every dialog unit and point size conversion goes through.
#pragma once

// (number * numerator) / denominator with a 64-bit intermediate, rounded half away from zero.
// Answers -1 when |denominator| is 0 or the result does not fit in 32 bits, as Windows does.
int MulDiv(int number, int numerator, int denominator);
