#include "app/EditorGriglia.h"

namespace tavo {

std::optional<CellaGriglia> CellaSuccessiva(CellaGriglia c, int righe, int colonne,
                                            bool attraversoPrima) {
    const int ultimaRiga = righe - 1;
    const int ultimaColonna = colonne - 1;
    if (attraversoPrima) {
        if (c.colonna < ultimaColonna) return CellaGriglia{c.riga, c.colonna + 1};
        if (c.riga < ultimaRiga) return CellaGriglia{c.riga + 1, 1};
        return std::nullopt;
    }
    if (c.riga < ultimaRiga) return CellaGriglia{c.riga + 1, c.colonna};
    if (c.colonna < ultimaColonna) return CellaGriglia{1, c.colonna + 1};
    return std::nullopt;
}

AperturaEditor AperturaEditorCella(int tasto, std::string_view carattere,
                                   std::string_view testoCella, bool cellaNumerica) {
    if (tasto == 0) return {cellaNumerica ? std::string(testoCella) : std::string(), true};
    if (tasto >= 1 && tasto <= 32) return {std::string(testoCella), false};
    return {std::string(carattere), false};
}

int TastoRiapertura(int ultimoTasto) { return ultimoTasto > 32 ? 0 : ultimoTasto; }

AzioneTastoEditor AzioneTasto(int codiceTasto) {
    switch (codiceTasto) {
    case TastoInvio: return AzioneTastoEditor::Conferma;
    case TastoEsc: return AzioneTastoEditor::Annulla;
    case TastoSu: return AzioneTastoEditor::TornaAllaGriglia;
    case TastoGiu: return AzioneTastoEditor::ScendeDiUnaRiga;
    default: return AzioneTastoEditor::Nessuna;
    }
}

}  // namespace tavo
