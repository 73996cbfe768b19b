#pragma once
// The keypad's decimal key types the regional decimal separator in every
// box of the windows that route their keys here (the main window, the
// reinforcement window, the partial-coefficient dialog, the site window):
// the key-down of the key arms a flag, the character that follows is
// replaced.

namespace tavo {

// Key code of the numeric keypad's decimal key.
inline constexpr int CodiceTastoDecimale = 110;

// Arms the replacement when `codiceTasto` is the keypad's decimal key.
void GestisceKeyDown(int codiceTasto);

// Replaces the typed character by the regional decimal separator when the
// keypad's decimal key was pressed, and disarms.
void GestisceKeyPress(char32_t& carattere);

// Disarms without a character (start-up).
void AnnullaTastoDecimale();

}  // namespace tavo
