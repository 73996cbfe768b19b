#pragma once
// The reinforcement report: sections of the stem, the backwall, the toe and
// the heel at a fixed spacing, each with the actions of the governing
// combination, the tension steel that Progetto designs and the concrete
// stresses of the check. One text, CR LF between lines and a tab between
// cells, as the reinforcement window shows it.
//
// The stem and backwall sections are computed by reshaping the wall so that
// its stem ends at the section and running the geometry and the stem loop
// again; the reshaped inputs are put back after every section, however it
// ends. The footing sections cut the toe and heel cantilevers of the whole
// wall after a full calculation.
//
// Units: the state in kN and m (areas in cm² per metre in the report); the
// section in N and mm, converted here.

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/SezioneCaRettangolare.h"
#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

#include <optional>
#include <string>
#include <vector>

namespace tavo {

// What one row lists.
struct AzioniSezione {
    float M = 0;        // kN·m/m
    float N = 0;        // kN/m, compression positive (0 on the footing)
    float V = 0;        // kN/m
    double Ast = 0;     // cm²/m: signed like M, or positive after a failed search
    double SigmaC = 0;  // MPa
    double TauC = 0;    // MPa
    // False when no area of the design passes its own check: a tension that
    // the tension steel alone cannot balance, or a search that ended on an
    // area whose steel stress exceeds the admissible one. The row then lists
    // "non verificata" and no area or concrete stress.
    bool Verificata = true;
};

// The As cell of a row that is not verified.
inline constexpr const char* TestoNonVerificata = "non verificata";
// The one message of a report with `quante` rows not verified.
std::string MessaggioNonVerificate(int quante);

// The most sections one block may list: a smaller spacing is refused
// before anything is computed (it would also stop changing d in single
// precision long before the end of the member).
inline constexpr int MassimoSezioniPerTratto = 10000;

// Distances of the sections of a member of the given length, single
// precision as the report lists them: from the top (length, length - s, ...)
// for stem and backwall, from the stem face (0, s, 2s, ...) for toe and
// heel. A block stops when what is left of the member is below a thousandth
// of the spacing, so the accumulated rounding of the steps never adds a
// section a hair's breadth from the end; 0 is never listed from the top,
// the length never from the face. Throws ErroreCalcolo when the spacing
// would give more than MassimoSezioniPerTratto sections.
std::vector<float> DistanzeDallaCima(float lunghezza, float s);
std::vector<float> DistanzeDalFilo(float lunghezza, float s);

// The section object of a report: a 1 m strip (b = 1000 mm), the cover and
// the modular ratio of the settings, the steel stress of the code in force
// (SigmaAcciaioAmm under DM 1996, fyd under NTC 2008).
SezioneCaRettangolare SezioneDelReport(const VariabiliPubbliche& v);

// Designs and checks the section of depth `H` (mm) for a.M, a.N, a.V and
// fills a.Ast, a.SigmaC, a.TauC and a.Verificata. A negative moment is
// checked on the same section mirrored about its mid-depth.
void PassoSezione(SezioneCaRettangolare& sez, double H, AzioniSezione& a);

// Stem section at depth hi (m) below the backwall base.
AzioniSezione CalcolaAzioniParete(VariabiliPubbliche& v, NTC& sisma, SezioneCaRettangolare& sez, float hi);

// Backwall section at depth hi (m) below its top: the backwall computed as
// a vertical stem of its own thickness with nothing above it and no deck
// loads.
AzioniSezione CalcolaAzioniParaghiaia(VariabiliPubbliche& v, NTC& sisma, SezioneCaRettangolare& sez, float hi);

// Toe section at distance di (m) from the stem front face; lSbalzoValle is
// the toe length.
AzioniSezione CalcolaAzioniSuolaValle(const VariabiliPubbliche& v, SezioneCaRettangolare& sez, float di,
                                      float lSbalzoValle);

// Heel section at distance di (m) from the stem back face, loaded by the
// part of PolZavorra beyond it.
AzioniSezione CalcolaAzioniSuolaMonte(const VariabiliPubbliche& v, SezioneCaRettangolare& sez, float di);

// Two decimals in the regional decimal separator, no grouping ("0.00").
std::string FormSig(double V);

// The text of one row: CR LF, then the cells. With N for stem and
// backwall, without it for toe and heel.
std::string RigaConN(float d, const AzioniSezione& a);
std::string RigaSenzaN(float d, const AzioniSezione& a);

// The whole report. Reads and accepts the main window's inputs as the
// calculation does (LeggeDatiControllati), lists stem and backwall, runs
// CalcoloMain, lists toe and heel. Fields that are refused give the
// refusal's one message and nothing more. When CalcoloMain fails ("Errore
// in ListaArmature provocato da CalcoloMain" after its own message), the
// ground is too steep for a section (the thrust search's message) or an
// error stops a section ("Errore in ListaArmature. " and what went wrong):
// one message with the critical icon. On every failure std::nullopt, and
// the project state is put back as it was before the report (no stem is
// left shortened in the derived geometry). The messages of the design
// (Progetto, Illinois) appear during the rows, each text once per report,
// and the report goes on. When some rows are not verified, one message for
// the whole report says how many, after it is built.
std::optional<std::string> ListaArmature(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra);

}  // namespace tavo
