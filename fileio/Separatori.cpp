#include "fileio/Separatori.h"

#include "fileio/Utf8.h"

namespace tavo {
namespace {

Separatori correnti;

char32_t PrimoCarattere(std::string_view testo) {
    std::size_t pos = 0;
    return testo.empty() ? 0 : LeggeUtf8(testo, pos);
}

}  // namespace

Separatori SeparatoriDaLocale(std::string_view decimaleUtf8, std::string_view migliaiaUtf8) {
    const char32_t d = PrimoCarattere(decimaleUtf8);
    return {d == 0 ? U'.' : d, PrimoCarattere(migliaiaUtf8)};
}

bool SpazioRaggruppamento(char32_t c) {
    return c == U' ' || c == 0x00A0 || c == 0x202F || c == 0x2009;
}

const Separatori& separatoriRegionali() { return correnti; }

void impostaSeparatoriRegionali(const Separatori& s) { correnti = s; }

SeparatoriInstallati::SeparatoriInstallati(const Separatori& s) : precedenti_(correnti) {
    correnti = s;
}

SeparatoriInstallati::~SeparatoriInstallati() { correnti = precedenti_; }

}  // namespace tavo
