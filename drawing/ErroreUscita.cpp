#include "drawing/ErroreUscita.h"

namespace tavo {

ErroreUscita ErroreFileDxfNonAperto() { return {52, "Nome o numero di file non valido"}; }

ErroreUscita ErroreOggettoNonImpostato() {
    return {91, "Variabile oggetto o variabile del blocco With non impostata"};
}

}  // namespace tavo
