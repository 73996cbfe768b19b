#include "fileio/TastoDecimale.h"

#include "fileio/Separatori.h"

namespace tavo {
namespace {

bool TastoDecimale = false;

}  // namespace

void GestisceKeyDown(int codiceTasto) {
    if (codiceTasto == CodiceTastoDecimale) TastoDecimale = true;
}

void GestisceKeyPress(char32_t& carattere) {
    if (!TastoDecimale) return;
    carattere = separatoriRegionali().decimale;
    TastoDecimale = false;
}

void AnnullaTastoDecimale() { TastoDecimale = false; }

}  // namespace tavo
