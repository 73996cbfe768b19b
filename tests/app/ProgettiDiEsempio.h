#pragma once
// Filled project states for the project-file tests: the two bundled examples
// (examples/Spalla.Tav, examples/Muro.Tav), the abutment they start from
// with an earlier site table that the hand calculations pin, and a project
// that exercises the text forms of the format.

#include "analysis/CoefficientiParziali.h"
#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace tavo::test {

struct Progetto {
    VariabiliPubbliche v;
    NTC ntc;
};

struct Lato {
    float dx, dy, q;
};

inline void ImpostaProfilo(VariabiliPubbliche& v, std::initializer_list<Lato> lati) {
    v.nLatiTerreno = static_cast<std::int16_t>(lati.size());
    v.dxProfilo.ridimensiona(v.nLatiTerreno);
    v.dyProfilo.ridimensiona(v.nLatiTerreno);
    v.qProfilo.ridimensiona(v.nLatiTerreno);
    int j = 0;
    for (const Lato& l : lati) {
        ++j;
        v.dxProfilo(j) = l.dx;
        v.dyProfilo(j) = l.dy;
        v.qProfilo(j) = l.q;
    }
}

// A bridge abutment under NTC 2008: backwall, seat and deck loads, a road
// surcharge behind it, a site near Bologna on soil C (VR 75 years, SLV).
inline Progetto Spalla() {
    Progetto p;
    VariabiliPubbliche& v = p.v;
    v.TitoloTavo = "Spalla A - Viadotto sul torrente Savena, km 12+450";
    v.AltezzaParaghiaia = 1.8f;
    v.SpessoreParaghiaia = 0.3f;
    v.InclinazioneParete = 0;
    v.AltezzaParete = 5.5f;
    v.SpessoreTestaParete = 1.6f;
    v.SpessoreBaseParete = 1.6f;
    v.AltezzaFondazione = 1.2f;
    v.SbalzoFondazione = 3.5f;
    v.LarghezzaFondazione = 7;
    v.AngoloAttritoInterno = 35;
    v.AngoloAttritoTerraTavo = 23.3f;
    v.AngoloAttritoFondazione = 30;
    v.PesoSpecificoTerreno = 19;
    v.PesoSpecificoTavo = 25;
    v.GradoSismicita = 0;
    ImpostaProfilo(v, {{8, 0, 20}, {12, 0.6f, 10}});
    v.NImpalcato = 350;
    v.VImpalcato = 25;
    v.DistanzaImpalcato = 0.6f;
    v.DistanzaSezioni = 0.5f;
    v.Copriferro = 4;
    v.SigmaAcciaioAmm = 255;
    v.CoeffOmogeneizzazione = 15;
    v.fyd = 391.3f;
    v.Normativa = NormativaNTC2008;
    CoefficientiParzialiDefault(v);

    NTC& n = p.ntc;
    n.AgTR = {0.052f, 0.066f, 0.078f, 0.091f, 0.104f, 0.12f, 0.162f, 0.205f, 0.27f};
    n.F0TR = {2.49f, 2.47f, 2.48f, 2.49f, 2.48f, 2.47f, 2.42f, 2.42f, 2.43f};
    n.TcTR = {0.26f, 0.27f, 0.28f, 0.28f, 0.29f, 0.29f, 0.31f, 0.32f, 0.33f};
    n.VR = 75;
    n.StatoLimite = SLV;
    n.CategoriaSuolo = 3;
    n.CategoriaTopografica = 1;
    n.hSuH = 0;
    n.Longitudine = 11.3426f;
    n.Latitudine = 44.4938f;
    n.TipoRicerca = RicercaCoordinate;
    n.KhNTC = 0.0635f;
    n.KvNTC = 0.0318f;
    return p;
}

// The bundled example examples/Spalla.Tav: the abutment above with the
// table, kh and kv that the site search on the shipped grid gives at its
// coordinates (what the site window stores on an untouched OK).
inline Progetto SpallaDiEsempio() {
    Progetto p = Spalla();
    NTC& n = p.ntc;
    n.AgTR = {0.054011643f, 0.067223825f, 0.077843055f, 0.08940038f, 0.10297922f,
              0.12054432f,  0.16665807f,  0.21210231f,  0.280685f};
    n.F0TR = {2.4780586f, 2.4792767f, 2.4828205f, 2.4712183f, 2.4580586f,
              2.4223447f, 2.3957138f, 2.427792f,  2.462684f};
    n.TcTR = {0.26f, 0.27f, 0.28f, 0.28523794f, 0.29f, 0.29f, 0.31f, 0.31476206f, 0.32476208f};
    n.KhNTC = 0.0652f;
    n.KvNTC = 0.0326f;
    return p;
}

// A cantilever retaining wall under DM 1996, seismicity grade 9, with a
// broken ground profile: a loaded shoulder, a 1:2 slope, a loaded terrace.
inline Progetto Muro() {
    Progetto p;
    VariabiliPubbliche& v = p.v;
    v.TitoloTavo = "Muro di sostegno - Via dei Colli, tratto B";
    v.AltezzaParaghiaia = 0;
    v.SpessoreParaghiaia = 0;
    v.InclinazioneParete = 0;
    v.AltezzaParete = 4;
    v.SpessoreTestaParete = 0.35f;
    v.SpessoreBaseParete = 0.7f;
    v.AltezzaFondazione = 0.7f;
    v.SbalzoFondazione = 2.2f;
    v.LarghezzaFondazione = 3.4f;
    v.AngoloAttritoInterno = 32;
    v.AngoloAttritoTerraTavo = 21;
    v.AngoloAttritoFondazione = 28;
    v.PesoSpecificoTerreno = 18.5f;
    v.PesoSpecificoTavo = 25;
    v.GradoSismicita = 9;
    ImpostaProfilo(v, {{2, 0, 10}, {3, 1.5f, 0}, {6, 0, 5}});
    v.DistanzaSezioni = 0.5f;
    v.Copriferro = 3;
    v.SigmaAcciaioAmm = 255;
    v.CoeffOmogeneizzazione = 15;
    v.fyd = 391.3f;
    v.Normativa = NormativaDM1996;
    CoefficientiParzialiDefault(v);
    return p;
}

// The folder of the sources (set by the test runner), for the stored files.
inline std::filesystem::path CartellaSorgenti() {
    const char* s = std::getenv("TAVO_SOURCE_DIR");
    return s ? std::filesystem::path(s) : std::filesystem::current_path();
}

}  // namespace tavo::test
