#pragma once
// The decisions of the ground-profile grid's floating one-line editor: what
// the editor shows when it opens, what a key pressed in it does, and which
// cell Enter moves to. The grid itself is a window's business.
//
// A grid has row 0 and column 0 as headers; data cells are rows 1..righe-1,
// columns 1..colonne-1. Key codes are the virtual key codes the editor
// reports (13 Enter, 27 Esc, 38 up arrow, 40 down arrow); the opening key is
// 0 for the start-editing gesture, else the character code that was typed.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

inline constexpr int TastoInvio = 13;
inline constexpr int TastoEsc = 27;
inline constexpr int TastoSu = 38;
inline constexpr int TastoGiu = 40;

struct CellaGriglia {
    int riga = 1;
    int colonna = 1;
    bool operator==(const CellaGriglia&) const = default;
};

// The cell that Enter moves to, or nothing after the last one. Down first
// (the default): the next row, then row 1 of the next column; across first:
// the next column, then column 1 of the next row.
std::optional<CellaGriglia> CellaSuccessiva(CellaGriglia corrente, int righe, int colonne,
                                            bool attraversoPrima);

struct AperturaEditor {
    std::string testo;
    bool selezionaTutto = false;  // else the caret goes to the end
};

// What the editor shows when it opens on a cell with the given key. Key 0
// shows the cell's number all selected; a cell that holds no number opens an
// empty editor, so that Enter never copies an earlier cell's value into it.
// Keys 1..32 show the cell's text with the caret at its end; any other key
// is the typed character (`carattere`, its text), which starts the new value.
AperturaEditor AperturaEditorCella(int tasto, std::string_view carattere,
                                   std::string_view testoCella, bool cellaNumerica);

// The key with which Enter reopens the editor on the next cell. A typed
// character reopens as key 0: the next cell shows its own value, selected,
// instead of a copy of the character that started the previous one.
int TastoRiapertura(int ultimoTasto);

enum class AzioneTastoEditor {
    Conferma,         // Enter: into the cell, then on to the next one
    Annulla,          // Esc: hide without writing
    TornaAllaGriglia, // up arrow
    ScendeDiUnaRiga,  // down arrow: back to the grid, one row down
    Nessuna
};

AzioneTastoEditor AzioneTasto(int codiceTasto);

}  // namespace tavo
