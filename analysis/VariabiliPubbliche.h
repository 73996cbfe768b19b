#pragma once
// The project state: the inputs of the wall, the geometry that every
// calculation derives from them, the current partial factors, the two
// partial-factor tables, the thrust lines and the results of every check in
// every load combination with the governing one of each check.
//
// The application owns exactly one instance; every core routine takes it by
// reference. A new instance holds the start values of the program: every
// number 0, every string and array empty, every flag false, every polygon
// and profile empty, Normativa = 0 (NTC 2008). A calculation overwrites what
// it derives; what it does not rewrite (elements 2 and 3 of the result
// triples under DM 1996) keeps its earlier value.
//
// Units: m, kN/m, kN·m/m, kN/m³, kN/m², degrees. Values are single-precision
// floats, counts and indexes 16-bit std::int16_t. The seismic site state
// (KhNTC, KvNTC, ...) is not here: it belongs to the seismic chain
// (seismic/NTC.h).
//
// Frame of all geometry: origin at the foot of the stem's back face, x toward
// the backfill, y upward; the toe lies at negative x.

#include "analysis/ArrayUno.h"
#include "analysis/ProfTerra.h"
#include "analysis/TabellaCoefficienti.h"
#include "geometry/Poligono.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavo {

// Code in force (values of Normativa).
inline constexpr std::int16_t NormativaNTC2008 = 0;
inline constexpr std::int16_t NormativaDM1996 = 1;

struct VariabiliPubbliche {
    // ---- Inputs, in the order of the project file -------------------------
    std::string TitoloTavo;
    float AltezzaParaghiaia = 0;        // h1, m: backwall height above the seat
    float SpessoreParaghiaia = 0;       // s1, m: backwall thickness
    float InclinazioneParete = 0;       // i, %: batter of the stem's back face
    float AltezzaParete = 0;            // H, m: stem height, footing top to seat
    float SpessoreTestaParete = 0;      // s2, m: stem width at the seat, backwall included
    float SpessoreBaseParete = 0;       // s3, m: stem width at the footing top
    float AltezzaFondazione = 0;        // h3, m: footing thickness
    float SbalzoFondazione = 0;         // L2, m: heel length from the back face
    float LarghezzaFondazione = 0;      // B, m: total footing width
    float AngoloAttritoInterno = 0;     // φ′, deg
    float AngoloAttritoTerraTavo = 0;   // δ, deg: soil on the back of the wall
    float AngoloAttritoFondazione = 0;  // deg: footing on the foundation soil
    float PesoSpecificoTerreno = 0;     // γt, kN/m³
    float PesoSpecificoTavo = 0;        // γm, kN/m³
    float GradoSismicita = 0;           // S of DM 1996
    std::int16_t nLatiTerreno = 0;      // N: sides of the ground profile
    // Side j = 1..N of the ground profile, from the top of the backwall
    // upslope: horizontal run (m), rise (m, negative falling) and surcharge
    // (kN/m² of horizontal run). Re-sized to 1..N whenever N is read.
    VettoreUno<float> dxProfilo;
    VettoreUno<float> dyProfilo;
    VettoreUno<float> qProfilo;
    float NImpalcato = 0;         // Ni, kN/m: vertical deck load on the seat
    float VImpalcato = 0;         // Vi, kN/m: horizontal deck force, toward the toe
    float DistanzaImpalcato = 0;  // m: from the seat's front corner toward the backfill

    // ---- Reinforcement settings -------------------------------------------
    float DistanzaSezioni = 0;        // m
    float Copriferro = 0;             // cm
    float SigmaAcciaioAmm = 0;        // N/mm², DM 1996
    float CoeffOmogeneizzazione = 0;  // Es/Ec
    float fyd = 0;                    // N/mm², NTC 2008

    // ---- Code and file ----------------------------------------------------
    std::int16_t Normativa = NormativaNTC2008;
    std::string VersioneFile;

    // ---- Current combination and current check ----------------------------
    bool CombinazioneSismica = false;
    float Kh = 0;                 // horizontal seismic coefficient of the combination
    float PhiProgetto = 0;        // design friction angle of the check, deg
    float GammaPhi = 0;           // row 1: on tan φ′
    float GammaCuneo = 0;         // row 2: on the weight of the thrust wedge
    float GammaZavorra = 0;       // row 3: on the soil resting on the heel
    float GammaPesoProprio = 0;   // row 4: on the self weight of the wall
    float GammaSovraccarico = 0;  // row 5: on the ground surcharge
    float GammaNi = 0;            // row 6: on the vertical deck load
    float GammaVi = 0;            // row 7: on the horizontal deck force

    // ---- Partial-factor tables --------------------------------------------
    TabellaCoefficienti CoefParzStatici;
    TabellaCoefficienti CoefParzSismici;

    // ---- Derived geometry -------------------------------------------------
    Poligono PolParete;           // stem with backwall, 7 vertices
    Poligono PolFondazione;       // footing, 4 vertices
    Poligono PolTavo;             // whole outline: the 7 stem, then the 4 footing vertices
    Poligono PolZavorra;          // soil resting on the heel
    Poligono PolCuneoParete;      // trial wedge behind the stem (after a search: the result's)
    Poligono PolCuneoFondazione;  // trial wedge behind the vertical through the heel end
    ProfTerra ProfiloTerreno;     // from the top of the backwall
    ProfTerra ProfiloTerrenoFondazione;              // cut at the vertical through the heel end
    float xBaseParete = 0, yBaseParete = 0;          // midpoint of the stem base
    std::int16_t iBaseParete = 0;                    // 7: stem base from vertex 7 to vertex 1
    float xBaseFondazione = 0, yBaseFondazione = 0;  // midpoint of the footing base
    std::int16_t iBaseFondazione = 0;      // 2: footing base from vertex 2 (the toe pivot) to 3
    float BaseFondazione = 0;              // B, for the soil-pressure routines
    float PesoZavorra = 0;                 // kN/m: soil on the heel, no partial factor
    float xZavorra = 0, yZavorra = 0;      // its centroid
    float xImpalcato = 0, yImpalcato = 0;  // application point of the deck loads

    // ---- Thrust lines: 1 application point on the back, 2 a second point --
    // as the last check placed them. A line lies the same in every
    // combination (its point at a fixed share of its back's height, its
    // angle δ + ε); only the distance of point 2, the thrust it was built
    // for, changes.
    CoppiaRetta xRettaStParete, yRettaStParete;
    CoppiaRetta xRettaSqParete, yRettaSqParete;
    CoppiaRetta xRettaSsParete, yRettaSsParete;
    CoppiaRetta xRettaStFondazione, yRettaStFondazione;
    CoppiaRetta xRettaSqFondazione, yRettaSqFondazione;
    CoppiaRetta xRettaSsFondazione, yRettaSsFondazione;

    // ---- Thrust wedges kept per combination (element k = combination k) ---
    // The wedge of the thrust that a combination found behind a back, and
    // the profile with the surcharge loaded on that wedge's top (as its
    // last SovraccaricoPrisma left it): the drawing shows beside each back
    // the wedge of the combination whose thrusts it shows there, behind the
    // stem as the stem check found it, behind the heel as the overturning
    // check did (the later checks search their own wedges afterwards).
    struct CuneoSpinta {
        Poligono cuneo;
        ProfTerra profilo;
    };
    ArrayUno<CuneoSpinta, 3> CuneiParete, CuneiRibaltamento;

    // ---- Result triples, element k = combination k ------------------------
    // Overturning ("MR").
    Terna StRibaltamento, SqRibaltamento, SsRibaltamento, SiRibaltamento;
    Terna MRibaltante, MStabilizzante, FsRibaltamento;
    // Sliding ("SCORR").
    Terna StScorrimento, SqScorrimento, SsScorrimento, SiScorrimento;
    Terna TScorrimento, NScorrimento, FsScorrimento;
    // Soil pressure ("PORTATA").
    Terna StPortata, SqPortata, SsPortata, SiPortata;
    Terna MPortata, NPortata, TPortata;
    // Stem base ("PARETE").
    Terna StParete, SqParete, SsParete, SiParete;
    Terna MParete, NParete, VParete;

    // ---- Governing combinations (1..3) and footing results ----------------
    std::int16_t CombGravosaRibaltamento = 0;
    std::int16_t CombGravosaScorrimento = 0;
    std::int16_t CombGravosaPortata = 0;
    std::int16_t CombGravosaParete = 0;
    float SigmaValle = 0;          // kN/m² at the toe edge
    float SigmaMonte = 0;          // kN/m² at the heel edge
    float LarghezzaCompressa = 0;  // m; negative when measured from the heel edge
    float MSuolaValle = 0;         // kN·m/m, toe at the stem face
    float MSuolaMonte = 0;         // kN·m/m, heel at the stem face

    // ---- What an open window compares (analysis/RisultatoAttuale.h) -------
    // Advanced by every change of the inputs or the results: a read of the
    // fields, a project opened, the start of a calculation.
    std::uint64_t Generazione = 0;
    // The generation at which the last successful calculation ended, with
    // the seismic coefficients it used (they belong to the seismic state,
    // which the site window changes on its own); 0 when there is none.
    std::uint64_t GenerazioneRisultati = 0;
    float KhRisultati = 0;
    float KvRisultati = 0;
};

// The 28 result triples, check by check in the order each check fills them:
// for whatever must treat every result alike (the final check that none is
// infinite or NaN, the tests of what a run keeps).
inline constexpr std::array<Terna VariabiliPubbliche::*, 28> TerneRisultati{
    &VariabiliPubbliche::StRibaltamento, &VariabiliPubbliche::SqRibaltamento,
    &VariabiliPubbliche::SsRibaltamento, &VariabiliPubbliche::SiRibaltamento,
    &VariabiliPubbliche::MRibaltante,    &VariabiliPubbliche::MStabilizzante,
    &VariabiliPubbliche::FsRibaltamento, &VariabiliPubbliche::StScorrimento,
    &VariabiliPubbliche::SqScorrimento,  &VariabiliPubbliche::SsScorrimento,
    &VariabiliPubbliche::SiScorrimento,  &VariabiliPubbliche::TScorrimento,
    &VariabiliPubbliche::NScorrimento,   &VariabiliPubbliche::FsScorrimento,
    &VariabiliPubbliche::StPortata,      &VariabiliPubbliche::SqPortata,
    &VariabiliPubbliche::SsPortata,      &VariabiliPubbliche::SiPortata,
    &VariabiliPubbliche::MPortata,       &VariabiliPubbliche::NPortata,
    &VariabiliPubbliche::TPortata,       &VariabiliPubbliche::StParete,
    &VariabiliPubbliche::SqParete,       &VariabiliPubbliche::SsParete,
    &VariabiliPubbliche::SiParete,       &VariabiliPubbliche::MParete,
    &VariabiliPubbliche::NParete,        &VariabiliPubbliche::VParete};

}  // namespace tavo
