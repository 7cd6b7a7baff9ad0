// The zodiac sign of a birthday.
#pragma once

// 0 when |day| and |month| are no date (any year: 29 February counts); otherwise the sign's
// number, 1 (Aries, from 21 March) to 12 (Pisces), also the index of its zodiac image.
int FindAstrologySign(int day, int month);
