#pragma once
// The logic of the site window "Ricerca del sito", without a window: the
// user places the site on the national hazard grid by coordinates, by
// municipality or by island, chooses limit state, VR, soil and topographic
// categories and h/H, and reads the parameters and kh, kv. Each event of
// the window is one member; the controls are the plain values of `c`. The
// Qt window (seismic/ui) copies its widgets into `c`, calls the event and
// copies `c` back.
//
// The window works live on the seismic state it is given: "OK" (or closing
// it any other way) keeps what it computed and hands kh and kv to the main
// window; "Annulla" restores the whole state it found on opening. A search
// that cannot read the grid file places no site: the window shows the
// project's table again and, until a site is placed, offers only "Annulla"
// (closing it then cancels too): a missing or damaged grid file never
// changes the project's data.

#include "fileio/Separatori.h"
#include "seismic/ComuniNTC.h"
#include "seismic/ControlliSpettroNTC.h"
#include "seismic/IsoleNTC.h"
#include "seismic/NTC.h"
#include "seismic/ReticoloNTC.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavo {

// The two pictures of the window: the map with the site marker and the
// close-up of the grid nodes found.
class DisegniSito {
public:
    virtual ~DisegniSito() = default;
    // The map reset to its clean copy, with the marker at the site.
    virtual void DisegnaMappa(float lon, float lat) = 0;
    // The map reset to its clean copy.
    virtual void RipristinaMappa() = 0;
    virtual void DisegnaNodi(float lon, float lat, const NodiSito& nodi) = 0;
    virtual void CancellaNodi() = 0;
};

class FinestraSpettroNTC {
public:
    // `cartellaDati` holds the three hazard-grid files (the program's
    // folder); `consegnaCoefficienti` writes kh and kv of the state into the
    // main window's boxes.
    FinestraSpettroNTC(NTC& modulo, std::filesystem::path cartellaDati, const Separatori& sep,
                       DisegniSito& disegni, std::function<void()> consegnaCoefficienti);

    ControlliSpettroNTC c;

    // Fields of the window.
    bool Caricamento = false;
    bool Annullato = false;
    std::int16_t TipoRicerca = 0;
    std::int16_t IndiceRegione = 0;
    std::int16_t IndiceProvincia = 0;
    std::int16_t IndiceComune = 0;
    std::int16_t IndiceIsola = 0;
    float LonSito = 0;
    float LatSito = 0;
    std::vector<std::string> ChiaviProvince;
    std::vector<std::pair<float, float>> CoordinateComuni;
    float TB = 0, TC = 0, TD = 0;
    NodiSito Nodi{};

    // True once "OK" or "Annulla" asks the window to close.
    bool DaChiudere() const { return daChiudere_; }

    // Events.
    void Form_Load();
    void Form_Activate();
    void optTipoRicerca_Click(int m);
    void cmbComune_Click(int indice);
    void cmbIsole_Click();
    void txtCoord_Invio(int indice);
    void txtCoord_LostFocus(int indice);
    void txtNTC_Invio(int indice);
    // The limit-state, soil and topographic lists.
    void cmbCategoria_Click();
    void pctMappa_Click();
    // 0 "OK", 1 "Annulla".
    void cmdOK_Click(int indice);
    void Form_Unload();

    // Operations.
    void CalcolaSpettro();
    void CercaSito(float lon, float lat);
    // Reads both coordinate boxes and searches the site there. The box
    // `confermata` (0, 1; -1 both) is refused with a message when it holds
    // no number or 0; a pair that is not complete is not searched. Either
    // way "OK" is not offered until a site is searched.
    void LeggeCoordinate(int confermata = -1);
    void ImpostaCoordinateComune(int k);
    void CaricaProvinceRegione(int k);
    void CaricaComuniProvincia(int k);

private:
    void IntestaGrigliaNTC();
    void ScriveGrigliaNTC();
    void LeggeFileComuni();
    void LeggeFileIsole();
    // Sets a position of a municipality list and runs its event, as a list does.
    void ImpostaPosizioneComune(int lista, int posizione);
    // Finds the saved municipality in the lists; false when it is gone.
    bool RitrovaComuneSalvato();
    std::string EtichettaComune(int regione, int provincia, int comune) const;
    // Whether "OK" may accept what the window shows: typed coordinates not
    // yet searched are searched first, and VR and h/H must be numbers (a
    // refusal says which); then the spectrum of the boxes is computed.
    bool DatiDigitatiAccettati();
    void NessunSitoCercato(const char* motivo);
    void AccettaSito();
    void Annulla();
    // The grid file could not be read: the table found on opening again,
    // and "OK" no longer offered.
    void RipristinaTabellaSalvata();

    NTC& modulo_;
    NTC statoIniziale_;
    std::filesystem::path cartellaDati_;
    Separatori sep_;
    DisegniSito& disegni_;
    std::function<void()> consegnaCoefficienti_;
    ElencoComuni comuni_;
    ElencoIsole isole_;
    // The coordinate texts last searched, so that leaving a box unchanged
    // does not search (and warn) a second time.
    std::array<std::string, 2> coordinateLette_;
    // The saved municipality is gone from the file: until the user picks one,
    // the lists show no site of theirs and "OK" keeps the saved name.
    bool comuneScomparso_ = false;
    bool daChiudere_ = false;
};

}  // namespace tavo
