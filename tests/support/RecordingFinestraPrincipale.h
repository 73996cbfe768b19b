#pragma once
// Recording fake of the main-window port. Its "fields" are a function that
// fills the project state as the real window would from what it shows; with
// `campoIlleggibile` set it raises the window's data error instead. Every
// request is recorded: focus, File menu entries, the combination list, the
// label switch, and the text, colour and caption of every result box.
//
// Header-only, so that only the test executables that use it need the
// analysis library.

#include "analysis/FinestraPrincipalePort.h"

#include <array>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo::test {

class RecordingFinestraPrincipale final : public FinestraPrincipalePort {
public:
    // What the window's fields hold: called by LeggeDatiDaForm.
    std::function<void(VariabiliPubbliche&, NTC&)> campi;
    // When true, LeggeDatiDaForm throws ErroreDatiForm (a field that is not a number).
    bool campoIlleggibile = false;

    int letture = 0;                    // calls of LeggeDatiDaForm
    int fuochiNumeroLati = 0;           // focus moves to the side-count box
    std::vector<int> vociFileAbilitate; // File menu entries, in the order requested
    int combinazioniAbilitate = 0;      // requests to make the combination list available
    std::vector<int> combinazioniSelezionate;
    std::vector<bool> tipoVerifica;     // flags of TipoVerificaSettaggi, in order

    std::array<std::string, 18> txtMNfondazione{};
    std::array<std::string, 8> txtScorr{};
    std::array<std::string, 7> txtMNparete{};
    std::array<ColoreTesto, 18> coloreMNfondazione{};
    std::array<ColoreTesto, 8> coloreScorr{};
    std::array<ColoreTesto, 7> coloreMNparete{};
    std::array<std::string, NumeroEtichetteTipoVerifica> lblTipoVerifica{};

    void LeggeDatiDaForm(VariabiliPubbliche& v, NTC& sisma) override {
        ++letture;
        if (campoIlleggibile) throw ErroreDatiForm();
        if (campi) campi(v, sisma);
    }
    void FuocoSuNumeroLati() override { ++fuochiNumeroLati; }
    void AbilitaVoceFile(int indice) override { vociFileAbilitate.push_back(indice); }
    void AbilitaCombinazioni() override { ++combinazioniAbilitate; }
    void SelezionaCombinazione(int voce) override { combinazioniSelezionate.push_back(voce); }
    void TipoVerificaSettaggi(bool flag) override { tipoVerifica.push_back(flag); }

    void ScriveCasella(CasellaRisultato casella, int indice, std::string_view testo) override {
        testi(casella)[posizione(casella, indice)] = std::string(testo);
    }
    void ColoraCasella(CasellaRisultato casella, int indice, ColoreTesto colore) override {
        colori(casella)[posizione(casella, indice)] = colore;
    }
    void ScriveEtichettaTipoVerifica(int indice, std::string_view didascalia) override {
        lblTipoVerifica.at(static_cast<std::size_t>(indice)) = std::string(didascalia);
    }

private:
    static std::size_t posizione(CasellaRisultato casella, int indice) {
        if (indice < 0 || indice >= NumeroCaselle(casella))
            throw std::out_of_range("casella di risultato inesistente");
        return static_cast<std::size_t>(indice);
    }
    std::span<std::string> testi(CasellaRisultato c) {
        switch (c) {
            case CasellaRisultato::MNfondazione: return txtMNfondazione;
            case CasellaRisultato::Scorr: return txtScorr;
            case CasellaRisultato::MNparete: break;
        }
        return txtMNparete;
    }
    std::span<ColoreTesto> colori(CasellaRisultato c) {
        switch (c) {
            case CasellaRisultato::MNfondazione: return coloreMNfondazione;
            case CasellaRisultato::Scorr: return coloreScorr;
            case CasellaRisultato::MNparete: break;
        }
        return coloreMNparete;
    }
};

}  // namespace tavo::test
