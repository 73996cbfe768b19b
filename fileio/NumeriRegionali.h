#pragma once
// Numbers as the user types and reads them, in the separators of the
// regional settings (Separatori.h). Digits are always ASCII.

#include "fileio/Separatori.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The text without its character (code point) at the 1-based position p;
// unchanged when p is below 1 or past the end.
std::string TogliCarattere(std::string_view testo, int p);

// A number typed in a box, read as a person reads it in the regional
// separators: blanks around it, an optional sign, digits with at most one
// decimal character, an optional exponent (E or e, a sign, digits). The
// grouping character counts only before the decimal character and between
// groups of exactly three digits, the first group of one to three digits
// not beginning with 0 (so under Italian settings "1.234,5" is 1234.5 and
// "1.5", "0.500" or "1,2,3" are no number); a blank-like grouping character
// stands for any blank. Any other text, an empty one too, or a value beyond
// the range of a double, is no number.
std::optional<double> NumeroDigitato(std::string_view testo, const Separatori& sep = separatoriRegionali());

// The same number as the calculation keeps it: none beyond single precision.
std::optional<float> SingoloDigitato(std::string_view testo, const Separatori& sep = separatoriRegionali());

// Why a box that must hold a number (as SingoloDigitato reads it) is
// refused: "manca il valore." for a text of blanks only, "\"1E+39\" è fuori scala."
// for a number beyond single precision, else "\"5.5\" non è un numero:
// scrivere ad esempio 1.234,5 (separatore decimale \",\")." with the example
// in the separators in force.
std::string MotivoNonNumero(std::string_view testo, const Separatori& sep = separatoriRegionali());

// The message that refuses the value of the box captioned `casella`:
// Dato non valido in "<casella>": <motivo>
std::string RifiutoCasella(std::string_view casella, std::string_view motivo);

// Text that is not a program's own number, read where 0 is the right
// stand-in: the value of NumeroDigitato, or 0.
double ValLocale(std::string_view testo, const Separatori& sep = separatoriRegionali());

// v with n significant digits in the regional separators, grouped by
// thousands, with a blank in front when v >= 0: 123.456 -> " 123.5",
// 0.5 -> " 0.5000", -2.5 -> "-2.500", 12345.6 -> " 12,346"; " 0" for values
// below 1e-19. Rounds half away from zero on the value's 15-digit decimal
// form. The pattern used ("#,##0" or "#,##0." and zeros) goes to `schema`
// when given. Throws ErroreCalcolo for a value that is not finite.
std::string FormattaCifreSignificative(int n, double v, std::string* schema = nullptr,
                                       const Separatori& sep = separatoriRegionali());

// The display form of every result: four significant digits when |v| > 0.001,
// otherwise "0" (no blank). Throws ErroreCalcolo for a value that is not finite.
std::string FormattaValore(double v, const Separatori& sep = separatoriRegionali());

// v grouped by thousands with `decimali` decimals (the pattern "#,##0.00..";
// "#,#" patterns give the same for the values they are used on).
std::string FormattaConDecimali(double v, int decimali,
                                const Separatori& sep = separatoriRegionali());

// The plain regional text of a number, as a text box shows it: up to 7
// significant digits for a float, 15 for a double, the regional decimal
// character, no grouping, an exponent as 1E-05 where the value needs one.
std::string TestoRegionale(float v, const Separatori& sep = separatoriRegionali());
std::string TestoRegionale(double v, const Separatori& sep = separatoriRegionali());

}  // namespace tavo
