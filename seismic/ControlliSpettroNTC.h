#pragma once
// The controls of the site window as plain values: what each box shows,
// which entries each list holds and which is chosen, what is visible. The
// window's logic and the transfer routines of the seismic state read and
// write these; the Qt window copies them to and from its widgets, and tests
// read them without a window.

#include "fileio/Separatori.h"
#include "seismic/NTC.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

struct ListaScelte {
    std::vector<std::string> voci;
    int posizione = -1;  // 0-based; -1 no choice

    // The chosen entry's text; empty when none is chosen.
    std::string testo() const;
};

enum class FuocoSito { Invariato, Longitudine, Latitudine };

// The table header: the columns with their alignment, then after ";" the
// row titles.
inline constexpr const char* IntestazioneGrigliaNTC =
    ">TR|^ag         |^Fo          |^Tc*        ;TR|30|50|72|101|140|201|475|975|2475";

struct ControlliSpettroNTC {
    // txtNTC(0) VR, (1) SS, (3) h/H, (4) ST, (5..7) ag, F0, Tc*, (8) amax,
    // (9) beta_m, (10) kh, (11) kv; (2) is not used.
    std::array<std::string, 12> txtNTC;
    ListaScelte cmbStatoLimite{{"SLO", "SLD", "SLV", "SLC"}};
    ListaScelte cmbSuolo;
    std::string testoSuolo;  // the text the soil list shows with no choice
    ListaScelte cmbTopo{{"T1", "T2", "T3", "T4"}};

    int optTipoRicerca = -1;  // the search mode shown
    std::array<std::string, 2> txtCoord;  // longitude, latitude
    bool coordinateModificabili = true;
    std::array<ListaScelte, 3> cmbComune;  // region, province, municipality
    ListaScelte cmbIsole;
    bool comuniVisibili = false;
    bool isoleVisibili = false;

    // "OK" is offered only while the window holds a site it could place;
    // "Annulla" always is.
    bool okAbilitato = true;
    std::string suggerimentoOk;  // why "OK" is not offered

    std::string intestazioneGriglia;
    // GridNTC: row i − 1 is period i; columns ag, F0, Tc*.
    std::array<std::array<std::string, 3>, NumeroPeriodiTabellati> GridNTC;

    // Where the focus must go after an event; the window moves it and resets this.
    FuocoSito fuoco = FuocoSito::Invariato;
};

// The captions of a grid's format string "corner|col 1|col 2;corner|row 1|...":
// columns and rows without their corner cell, each caption trimmed and
// without its alignment mark (<, ^ or >). A string without the two parts
// gives no captions.
struct TitoliGriglia {
    std::vector<std::string> colonne;
    std::vector<std::string> righe;
};
TitoliGriglia LeggeTitoliGriglia(std::string_view formato);

// The soil list: cleared, "?" as its text, "A" .. "E".
void RiempieCmbSuolo(ControlliSpettroNTC& c);

// The seismic state into the boxes and lists; the soil list is refilled
// first unless `mantieniSuolo`.
void ScriveDatiNTCInForm(const NTC& s, ControlliSpettroNTC& c, const Separatori& sep,
                         bool mantieniSuolo = false);

// The display hook of the chain: ag, F0, Tc* at TR when VR > 0 and a limit
// state is chosen, else the three boxes emptied.
void ScriveParametriTR(const NTC& s, ControlliSpettroNTC& c, const Separatori& sep);

// Captions of the boxes the user types in: VR, h/H and the coordinates.
inline constexpr const char* EtichettaVR = "VR (anni)";
inline constexpr const char* EtichettahSuH = "h/H";
inline constexpr std::array<const char*, 2> EtichetteCoordinate{"Longitudine", "Latitudine"};

// The message that refuses VR or h/H as typed, the first of the two that is
// no number as SingoloDigitato reads it; an empty text when both are numbers.
std::string DifettoDatiNTC(const ControlliSpettroNTC& c, const Separatori& sep);

// Reads VR, h/H and the three lists into `s`, runs the chain and shows its
// results. The chain runs on a copy: when VR or h/H is refused (the
// ErroreCalcolo of DifettoDatiNTC's message) or the chain fails, `s` is
// left as it was and the error is rethrown.
void CalcolaDaFormNTC(NTC& s, ControlliSpettroNTC& c, const Separatori& sep);

// A typed number as a Single (SingoloDigitato): text that is no number, or
// a number beyond single precision, reads as 0.
float ValoreSingolo(const std::string& testo, const Separatori& sep);

}  // namespace tavo
