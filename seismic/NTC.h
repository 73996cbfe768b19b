#pragma once
// Seismic data of the site under NTC 2008: the hazard parameters at the nine
// tabulated return periods, the inputs of the site window, its search state
// and the results of the seismic action chain up to kh and kv.
//
// The application owns one instance next to the project state; the site
// window writes it, the project file saves and restores it, and the wall
// calculation reads KhNTC and KvNTC. Every value starts at zero or empty.
//
// Single is float, VB Integer is std::int16_t, as the project file stores them.

#include <array>
#include <cstdint>
#include <string>

namespace tavo {

// Number of tabulated return periods of the hazard grid.
inline constexpr int NumeroPeriodiTabellati = 9;

// The tabulated return periods, in years: element i-1 is the i-th period,
// the one that element i-1 of AgTR, F0TR and TcTR belongs to.
inline constexpr std::array<std::int16_t, NumeroPeriodiTabellati> PeriodiRitornoTabellati{
    30, 50, 72, 101, 140, 201, 475, 975, 2475};

// Limit states (values of StatoLimite); 0 means none chosen.
inline constexpr std::int16_t SLO = 1;
inline constexpr std::int16_t SLD = 2;
inline constexpr std::int16_t SLV = 3;
inline constexpr std::int16_t SLC = 4;

// Search modes of the site window (values of TipoRicerca).
inline constexpr std::int16_t RicercaCoordinate = 0;
inline constexpr std::int16_t RicercaComune = 1;
inline constexpr std::int16_t RicercaIsola = 2;

struct NTC {
    // Site hazard at the tabulated return periods (0-based: [i-1] is period i).
    std::array<float, NumeroPeriodiTabellati> AgTR{};  // ag, in g
    std::array<float, NumeroPeriodiTabellati> F0TR{};  // F0
    std::array<float, NumeroPeriodiTabellati> TcTR{};  // Tc*, in s

    // Inputs of the chain.
    float VR = 0;                           // reference period, years
    std::int16_t StatoLimite = 0;           // 1 SLO, 2 SLD, 3 SLV, 4 SLC; 0 none
    std::int16_t CategoriaSuolo = 0;        // 1..5 = A..E; 0 none
    std::int16_t CategoriaTopografica = 0;  // 1..4 = T1..T4; 0 none
    float hSuH = 0;                         // h/H: height of the site over height of the relief

    // Results of the chain, overwritten by every run.
    std::int16_t TR = 0;           // return period, years (clamped to 30..2475)
    float ag = 0;                  // ag at TR, in g
    float F0 = 0;                  // F0 at TR
    float TcStar = 0;              // Tc* at TR, in s
    float Ss = 0;                  // stratigraphic amplification SS
    float Cc = 0;                  // coefficient CC
    float St = 0;                  // topographic amplification ST
    float CoefAmplificazione = 0;  // S = SS·ST
    float Amax = 0;                // amax = S·ag, in g
    float BetaM = 0;               // reduction coefficient beta_m
    // Seismic coefficients of the site. The main window also writes KhNTC
    // when kh is typed there directly; the wall calculation flips the sign of
    // KvNTC for its third combination and restores it afterwards.
    float KhNTC = 0;
    float KvNTC = 0;

    // Search state of the site window.
    float Longitudine = 0;  // decimal degrees, as accepted in the window
    float Latitudine = 0;
    std::int16_t TipoRicerca = 0;  // 0 coordinates, 1 municipality, 2 island
    // 1-based selections in the window's lists; 0 none.
    std::int16_t IndiceRegione = 0;
    std::int16_t IndiceProvincia = 0;
    std::int16_t IndiceComune = 0;
    std::int16_t IndiceIsola = 0;
    std::string NomeComune;  // name, " (", province key, ")"
    std::string NomeIsola;

    // Spectrum titles; the site window sets the third one (TitoliSpettro[2])
    // to "Spettro di progetto " followed by the limit-state name.
    std::array<std::string, 3> TitoliSpettro{};

    bool operator==(const NTC&) const = default;
};

}  // namespace tavo
