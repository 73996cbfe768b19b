#pragma once
// The main window as the calculation sees it: it hands its input fields to
// the project state, gives the focus to the side-count box, makes the File
// menu entries and the combination list available, shows or hides the
// combination labels, and shows the results in its result boxes.
//
// The Qt main window implements it; the core's tests use the recording fake
// of tests/support/RecordingFinestraPrincipale.h. Indexes are those of the
// window's control arrays (0-based, as the window numbers its boxes).

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavo {

// The error that reading the fields raises on a field that cannot be read
// (the window's own error number, the base of application-defined errors
// plus 522). When it names the field, the calculation driver shows that
// message; otherwise "ERRORE! Controllare i dati".
class ErroreDatiForm : public std::runtime_error {
public:
    static constexpr long Numero = -2147221504L + 522;
    ErroreDatiForm() : std::runtime_error("Errore nei dati") {}
    // `messaggio` names the field and says why it is refused.
    explicit ErroreDatiForm(const std::string& messaggio)
        : std::runtime_error("Errore nei dati. " + messaggio), messaggio_(messaggio) {}

    // The message that names the field; empty when none is named.
    const std::string& messaggio() const { return messaggio_; }

private:
    std::string messaggio_;
};

// The three arrays of result boxes.
enum class CasellaRisultato {
    MNfondazione,  // txtMNfondazione(0..17): overturning, sliding, soil pressures, footing moments
    Scorr,         // txtScorr(0..7): thrusts and inertia of sliding (0..3) and soil pressure (4..7)
    MNparete,      // txtMNparete(0..6): stem-base actions
};

// Number of boxes of each array.
constexpr int NumeroCaselle(CasellaRisultato c) {
    switch (c) {
        case CasellaRisultato::MNfondazione: return 18;
        case CasellaRisultato::Scorr: return 8;
        case CasellaRisultato::MNparete: return 7;
    }
    return 0;
}

// Number of combination labels lblTipoVerifica(0..3).
inline constexpr int NumeroEtichetteTipoVerifica = 4;

// Fore colour of a result box.
struct ColoreTesto {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ColoreTesto&) const = default;
};
inline constexpr ColoreTesto ColoreNero{0, 0, 0};
inline constexpr ColoreTesto ColoreRosso{255, 0, 0};

class FinestraPrincipalePort {
public:
    virtual ~FinestraPrincipalePort() = default;

    // Copies the title, the input boxes and the ground-profile grid into the
    // project state; box 14 goes into GradoSismicita under DM 1996, into
    // KhNTC (with box 18 into KvNTC) under NTC 2008, as v.Normativa says.
    // With a side count below 1 the profile arrays keep their contents.
    // Throws ErroreDatiForm on a field that cannot be read.
    virtual void LeggeDatiDaForm(VariabiliPubbliche& v, NTC& sisma) = 0;

    // Moves the focus to the side-count box ("N° lati terreno").
    virtual void FuocoSuNumeroLati() = 0;

    // Makes File menu entry `indice` available (2 "&Salva", 4 the separator
    // below "S&alva Come...", 5 "Stam&pa Form").
    virtual void AbilitaVoceFile(int indice) = 0;

    // Makes the combination list available (NTC 2008 only).
    virtual void AbilitaCombinazioni() = 0;

    // Selects entry `voce` of the combination list: 0 "Verifiche più
    // gravose", 1..3 a single combination. Selecting lists that entry's
    // results, as a click on the list does.
    virtual void SelezionaCombinazione(int voce) = 0;

    // flag false: the combination labels become visible; true: hidden.
    virtual void TipoVerificaSettaggi(bool flag) = 0;

    // Text and fore colour of result box `indice` of array `casella`.
    virtual void ScriveCasella(CasellaRisultato casella, int indice, std::string_view testo) = 0;
    virtual void ColoraCasella(CasellaRisultato casella, int indice, ColoreTesto colore) = 0;

    // Caption of combination label lblTipoVerifica(indice), 0..3 for
    // overturning, sliding, soil pressure and stem.
    virtual void ScriveEtichettaTipoVerifica(int indice, std::string_view didascalia) = 0;
};

}  // namespace tavo
