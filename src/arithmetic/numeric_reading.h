#pragma once

#include <string>
#include <string_view>

namespace vertola {

// Turns whatever a pupil typed into a number, the way every check reads its cells.
//
// Blanks, tabs and line feeds anywhere are skipped. From the start: an optional sign, decimal
// digits, then optionally a "." and further digits. The first character that cannot continue the
// number ends the reading and the rest is ignored; a text that does not begin with a number
// reads 0. Only digits and the point make a number: an exponent ("4E2" reads 4) and a "&H" or
// "&O" prefix ("&H10" reads 0) are not read, since a pupil means none of them.
//
// Works on bytes and never consults the locale; linear in the length; never throws.
double readNumber(std::string_view text);

// Plain decimal text of a whole number: no sign, no leading zeros, no separators; zero is "0".
std::string plainDecimal(unsigned long long value);

}  // namespace vertola
