#include "drawing/ErroreUscita.h"

namespace tavo {

ErroreUscita ErroreFileDxfNonAperto() { return {52, "Nome o numero di file non valido"}; }

ErroreUscita ErroreOggettoNonImpostato() {
    return {91, "Variabile oggetto o variabile del blocco With non impostata"};
}

void MessaggiTrattenuti::mostra(std::string_view testo, Icona icona, std::string_view titolo) {
    if (!primo_) primo_ = Messaggio{std::string(testo), icona, std::string(titolo)};
}

bool MessaggiTrattenuti::chiedi(std::string_view, Icona, std::string_view) { return false; }

}  // namespace tavo
