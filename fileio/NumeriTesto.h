#pragma once
// Numbers to text and back without the C library's locale: the file forms
// (a point before the decimals, no grouping, an exponent as E-05). Only
// ASCII is produced.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// File text of a finite value: the fewest significant digits that read back
// to the same value, but never fewer than 7 for a float and 15 for a double
// (so 0.1f is "0.1" and 1e7 is "1E+07"), a point as decimal separator, an
// exponent from 1E-05 down and from 1E+07 (float) or 1E+15 (double) up.
std::string TestoNumero(float v);
std::string TestoNumero(double v);

// The value of a number field: blanks around it, an optional sign, digits
// with one optional point (".5", "-.25", "3." all read), an optional exponent
// E, e, D or d with a sign and digits. Anything else, or a value out of the
// type's range, gives no value. An empty field is not a number here: the
// line routines give it 0 themselves.
std::optional<float> NumeroFloat(std::string_view campo);
std::optional<double> NumeroDouble(std::string_view campo);

}  // namespace tavo
