#include "app/DatiForm.h"

#include "fileio/NumeriRegionali.h"
#include "fileio/NumeriTesto.h"
#include "analysis/ControlloSezione.h"
#include "analysis/FinestraPrincipalePort.h"
#include "analysis/RisultatoAttuale.h"
#include "seismic/AzioneSismica.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tavo {
namespace {

[[noreturn]] void Rifiuta(std::string_view casella, std::string_view motivo) {
    throw ErroreDatiForm(RifiutoCasella(casella, motivo));
}

float CampoFloat(std::string_view testo, std::string_view casella, const Separatori& sep) {
    const auto v = SingoloDigitato(testo, sep);
    if (!v) Rifiuta(casella, MotivoNonNumero(testo, sep));
    return *v;
}

std::int16_t CampoIntero(std::string_view testo, std::string_view casella, const Separatori& sep) {
    const auto v = NumeroDigitato(testo, sep);
    if (!v) Rifiuta(casella, MotivoNonNumero(testo, sep));
    const std::string t = "\"" + std::string(testo) + "\"";
    if (*v != std::trunc(*v)) Rifiuta(casella, t + " non è un numero intero.");
    if (*v < std::numeric_limits<std::int16_t>::min() || *v > std::numeric_limits<std::int16_t>::max())
        Rifiuta(casella, t + " è fuori scala.");
    return static_cast<std::int16_t>(*v);
}

// Captions of the input boxes 0..13 and 15..17; those of the section are the
// ones the section check names when it refuses a value.
const char* const EtichetteDati[NumeroCampiDati] = {
    EtichettaAltezzaParaghiaia,    EtichettaSpessoreParaghiaia,     "Inclinazione parete (%)",
    EtichettaAltezzaParete,        EtichettaSpessoreTestaParete,    EtichettaSpessoreBaseParete,
    EtichettaAltezzaFondazione,    EtichettaSbalzoFondazione,       EtichettaLarghezzaFondazione,
    EtichettaAngoloAttritoInterno, EtichettaAngoloAttritoTerraTavo, EtichettaAngoloAttritoFondazione,
    "Peso spec. terre [kN/m3]",    "Peso spec. tavo [kN/m3]",       nullptr,
    "Ni",                          "Vi",                            "dN",
    nullptr};

}  // namespace

std::string EtichettaCampo(int i, int normativa) {
    if (i == 14) return normativa == NormativaDM1996 ? "Grado di sismicità" : "kh";
    if (i == 18) return "kv";
    return i >= 0 && i < NumeroCampiDati ? EtichetteDati[i] : "";
}

std::string NomeCellaProfilo(int lato, int colonna) {
    return "Lato " + std::to_string(lato) + ", " + IntestazioniProfilo[static_cast<std::size_t>(colonna - 1)];
}

void LeggeDatiDaForm(const TestiForm& t, VariabiliPubbliche& v, NTC& ntc, const Separatori& sep) {
    // Everything is read into copies first: a field that fails leaves the
    // project exactly as it was.
    VariabiliPubbliche n = v;
    NTC s = ntc;
    const auto campo = [&](int i) {
        return CampoFloat(t.dati[static_cast<std::size_t>(i)], EtichettaCampo(i, n.Normativa), sep);
    };
    n.TitoloTavo = t.titolo;
    n.AltezzaParaghiaia = campo(0);
    n.SpessoreParaghiaia = campo(1);
    n.InclinazioneParete = campo(2);
    n.AltezzaParete = campo(3);
    n.SpessoreTestaParete = campo(4);
    n.SpessoreBaseParete = campo(5);
    n.AltezzaFondazione = campo(6);
    n.SbalzoFondazione = campo(7);
    n.LarghezzaFondazione = campo(8);
    n.AngoloAttritoInterno = campo(9);
    n.AngoloAttritoTerraTavo = campo(10);
    n.AngoloAttritoFondazione = campo(11);
    n.PesoSpecificoTerreno = campo(12);
    n.PesoSpecificoTavo = campo(13);
    if (n.Normativa == NormativaDM1996) {
        n.GradoSismicita = campo(14);
    } else {
        s.KhNTC = campo(14);
        s.KvNTC = campo(18);
    }
    n.NImpalcato = campo(15);
    n.VImpalcato = campo(16);
    n.DistanzaImpalcato = campo(17);
    n.nLatiTerreno = CampoIntero(t.lati, EtichettaNumeroLati, sep);
    if (n.nLatiTerreno >= 1) {
        if (static_cast<std::size_t>(n.nLatiTerreno) > t.profilo.size()) throw ErroreDatiForm();
        n.dxProfilo.ridimensiona(n.nLatiTerreno);
        n.dyProfilo.ridimensiona(n.nLatiTerreno);
        n.qProfilo.ridimensiona(n.nLatiTerreno);
        for (int i = 1; i <= n.nLatiTerreno; ++i) {
            const auto& riga = t.profilo[static_cast<std::size_t>(i - 1)];
            n.dxProfilo(i) = CampoFloat(riga[0], NomeCellaProfilo(i, 1), sep);
            n.dyProfilo(i) = CampoFloat(riga[1], NomeCellaProfilo(i, 2), sep);
            n.qProfilo(i) = CampoFloat(riga[2], NomeCellaProfilo(i, 3), sep);
        }
    }
    v = std::move(n);
    ntc = s;
    NuovaGenerazione(v);
}

std::string TestoCampoSisma14(const VariabiliPubbliche& v, const NTC& ntc, const Separatori& sep) {
    if (v.Normativa == NormativaDM1996) return TestoRegionale(v.GradoSismicita, sep);
    return FormatoNTC(ntc.KhNTC, DecimaleAscii(sep));
}

std::string TestoCampoSisma18(const NTC& ntc, const Separatori& sep) {
    return FormatoNTC(ntc.KvNTC, DecimaleAscii(sep));
}

TestiForm ScriveDatiInForm(const VariabiliPubbliche& v, const NTC& ntc, const Separatori& sep) {
    TestiForm t;
    const auto testo = [&](float x) { return TestoRegionale(x, sep); };
    t.titolo = v.TitoloTavo;
    const float valori[] = {v.AltezzaParaghiaia,      v.SpessoreParaghiaia,     v.InclinazioneParete,
                            v.AltezzaParete,          v.SpessoreTestaParete,    v.SpessoreBaseParete,
                            v.AltezzaFondazione,      v.SbalzoFondazione,       v.LarghezzaFondazione,
                            v.AngoloAttritoInterno,   v.AngoloAttritoTerraTavo, v.AngoloAttritoFondazione,
                            v.PesoSpecificoTerreno,   v.PesoSpecificoTavo};
    for (std::size_t i = 0; i < std::size(valori); ++i) t.dati[i] = testo(valori[i]);
    t.dati[14] = TestoCampoSisma14(v, ntc, sep);
    if (v.Normativa != NormativaDM1996) t.dati[18] = TestoCampoSisma18(ntc, sep);
    t.dati[15] = testo(v.NImpalcato);
    t.dati[16] = testo(v.VImpalcato);
    t.dati[17] = testo(v.DistanzaImpalcato);
    t.lati = std::to_string(v.nLatiTerreno);
    const int lati = std::min<int>(v.nLatiTerreno, v.dxProfilo.dimensione());
    for (int i = 1; i <= lati; ++i)
        t.profilo.push_back({testo(v.dxProfilo(i)), testo(v.dyProfilo(i)), testo(v.qProfilo(i))});
    return t;
}

}  // namespace tavo
