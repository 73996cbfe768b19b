#include "analysis/ControlloSezione.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace tavo {
namespace {

std::string Rifiuto(const char* etichetta, const std::string& motivo) {
    return std::string("Dato non valido in \"") + etichetta + "\": " + motivo;
}

constexpr const char* NonNegativo = "non può essere minore di zero.";
constexpr const char* Positivo = "deve essere maggiore di zero.";
constexpr const char* Angolo = "deve essere di almeno 0° e minore di 90°.";

// A toe below 0 by no more than this is the rounding of B, L2 and s3 into
// Singles and of the two subtractions that place its ends.
double ArrotondamentoPunta(const VariabiliPubbliche& v) {
    return 2.0 * std::numeric_limits<float>::epsilon() *
           (std::fabs(v.LarghezzaFondazione) + std::fabs(v.SbalzoFondazione) + std::fabs(v.SpessoreBaseParete));
}

// The toe as the section geometry builds it: the footing's toe end lies at
// heel end - B, the stem's front foot at -s3 (both Singles).
double Punta(const VariabiliPubbliche& v) {
    const float xPuntaFondazione = (0.0f + v.SbalzoFondazione) - v.LarghezzaFondazione;
    const float xPiedeParete = 0.0f - v.SpessoreBaseParete;
    return static_cast<double>(xPiedeParete) - static_cast<double>(xPuntaFondazione);
}

}  // namespace

std::string DifettoSezione(const VariabiliPubbliche& v) {
    // Written so that a value that is not a number is refused as well.
    struct Campo {
        const char* etichetta;
        float valore;
        bool positivo;  // else only not negative
    };
    const Campo dimensioni[] = {
        {EtichettaAltezzaParaghiaia, v.AltezzaParaghiaia, false},
        {EtichettaSpessoreParaghiaia, v.SpessoreParaghiaia, false},
        {EtichettaAltezzaParete, v.AltezzaParete, true},
        {EtichettaSpessoreTestaParete, v.SpessoreTestaParete, true},
        {EtichettaSpessoreBaseParete, v.SpessoreBaseParete, true},
        {EtichettaAltezzaFondazione, v.AltezzaFondazione, true},
        {EtichettaSbalzoFondazione, v.SbalzoFondazione, false},
        {EtichettaLarghezzaFondazione, v.LarghezzaFondazione, true},
    };
    for (const Campo& c : dimensioni) {
        if (c.positivo && !(c.valore > 0)) return Rifiuto(c.etichetta, Positivo);
        if (!c.positivo && !(c.valore >= 0)) return Rifiuto(c.etichetta, NonNegativo);
    }
    if (Punta(v) < -ArrotondamentoPunta(v))
        return Rifiuto(EtichettaLarghezzaFondazione, std::string("è minore di \"") + EtichettaSbalzoFondazione +
                                                         "\" più \"" + EtichettaSpessoreBaseParete +
                                                         "\": la punta della fondazione sarebbe negativa.");
    for (auto [etichetta, angolo] : {std::pair{EtichettaAngoloAttritoInterno, v.AngoloAttritoInterno},
                                     std::pair{EtichettaAngoloAttritoTerraTavo, v.AngoloAttritoTerraTavo},
                                     std::pair{EtichettaAngoloAttritoFondazione, v.AngoloAttritoFondazione}})
        if (!(angolo >= 0 && angolo < 90)) return Rifiuto(etichetta, Angolo);
    // A side that runs back toward the wall folds the ground over itself, and
    // a negative surcharge pulls the wall: neither exists. The rise may have
    // any sign, and a run of 0 is a vertical step.
    for (int i = 1; i <= v.nLatiTerreno; ++i)
        for (auto [colonna, valore] : {std::pair{ColonnaLunghezzaLato, v.dxProfilo(i)},
                                       std::pair{ColonnaSovraccaricoLato, v.qProfilo(i)}})
            if (!(valore >= 0))
                return std::string("Dato non valido in \"") + colonna + "\" del lato " + std::to_string(i) +
                       " del profilo terreno: " + NonNegativo;
    return {};
}

}  // namespace tavo
