#pragma once
// Numbers as the user types and reads them, in the separators of the
// regional settings (Separatori.h). Digits are always ASCII.

#include "fileio/Separatori.h"

#include <string>
#include <string_view>

namespace tavo {

// The text without its character (code point) at the 1-based position p;
// unchanged when p is below 1 or past the end.
std::string TogliCarattere(std::string_view testo, int p);

// Typed text in the separators of the files: every grouping character is
// removed (with a blank-like grouping character, every blank, no-break and
// narrow no-break space) and the first decimal character becomes a point.
std::string TestoConPuntoDecimale(std::string_view testo, const Separatori& sep);

// Typed text to a number whatever the regional settings: the text with a
// point decimal (TestoConPuntoDecimale), of which the leading number is
// taken (ValoreIniziale); text without one reads as 0. So under Italian
// settings "1.234,5" is 1234.5 and "1.5" 15.
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
