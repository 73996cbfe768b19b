#include "seismic/AzioneSismica.h"

#include "geometry/Estremi.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

namespace tavo {
namespace {

constexpr float MassimoSingolo = std::numeric_limits<float>::max();

// A double-precision result stored into a Single: beyond the float range the
// original stopped on an overflow, so does this.
float InSingolo(double v, const char* dove) {
    if (std::fabs(v) > MassimoSingolo) v = std::numeric_limits<double>::infinity();
    return static_cast<float>(verificaFinito(v, dove));
}

// The return period as a 16-bit Integer: the nearest integer, a half going to
// the even neighbour. A period beyond the 16-bit range saturates instead of
// overflowing: it lies far above the last tabulated period, to which the
// interpolation clamps it anyway.
std::int16_t PeriodoIntero(float tr) {
    const double r = std::nearbyint(static_cast<double>(tr));
    if (r > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

// Soil categories B..E: SS = base - coefficient·F0·ag clamped into its
// bounds, CC = factor·Tc*^exponent.
struct CategoriaSuoloNTC {
    double baseSs, coefSs;
    float minSs, maxSs;
    double fattoreCc, esponenteCc;
};

constexpr std::array<CategoriaSuoloNTC, 4> SuoliBE{{
    {1.40, 0.40, 1.00f, 1.20f, 1.10, -0.20},  // B
    {1.70, 0.60, 1.00f, 1.50f, 1.05, -0.33},  // C
    {2.40, 1.50, 0.90f, 1.80f, 1.25, -0.50},  // D
    {2.00, 1.10, 1.00f, 1.60f, 1.15, -0.40},  // E
}};

}  // namespace

void CalcolaAzioneSismica(NTC& s, const MostraParametriTR& mostra) {
    // Worked on a copy, so that a failure leaves the state as it was.
    NTC r = s;
    r.TR = PeriodoIntero(CalcolaPeriodoRitorno(r.VR, r.StatoLimite));
    InterpolaParametriTR(r, mostra);
    CalcolaSsCc(r);
    CalcolaSt(r);
    r.CoefAmplificazione = r.St * r.Ss;
    r.Amax = r.ag * r.CoefAmplificazione;
    CalcolaBetaM(r);
    r.KhNTC = r.BetaM * r.Amax;
    r.KvNTC = 0.5f * r.KhNTC;
    for (float v : {r.ag, r.F0, r.TcStar, r.Ss, r.Cc, r.St, r.CoefAmplificazione, r.Amax, r.BetaM,
                    r.KhNTC, r.KvNTC})
        verificaFinito(v, "CalcolaAzioneSismica");
    s = std::move(r);
}

float ProbabilitaSuperamento(std::int16_t statoLimite) {
    switch (statoLimite) {
        case SLO: return 0.81f;
        case SLD: return 0.63f;
        case SLV: return 0.10f;
        case SLC: return 0.05f;
        default: return 0.0f;
    }
}

float CalcolaPeriodoRitorno(float VR, std::int16_t statoLimite) {
    if (statoLimite == 0) return 0.0f;
    // P = 0 would make ln(1 - P) zero and the period a division by zero.
    if (statoLimite < SLO || statoLimite > SLC)
        throw ErroreCalcolo("Errore in CalcolaPeriodoRitorno: stato limite " +
                            std::to_string(statoLimite) + " non previsto");
    const float nonSuperamento = 1.0f - ProbabilitaSuperamento(statoLimite);
    return InSingolo(-static_cast<double>(VR) / std::log(static_cast<double>(nonSuperamento)),
                     "CalcolaPeriodoRitorno");
}

void InterpolaParametriTR(NTC& s, const MostraParametriTR& mostra) {
    if (s.TR < PeriodiRitornoTabellati.front()) s.TR = PeriodiRitornoTabellati.front();
    if (s.TR > PeriodiRitornoTabellati.back()) s.TR = PeriodiRitornoTabellati.back();
    // The first tabulated period from the second on that is at least TR.
    std::size_t i = 1;
    while (PeriodiRitornoTabellati[i] < s.TR) ++i;
    const double tr1 = PeriodiRitornoTabellati[i - 1];
    const double tr2 = PeriodiRitornoTabellati[i];
    s.ag = InterpolaLogLog(s.AgTR[i - 1], s.AgTR[i], s.TR, tr1, tr2);
    s.F0 = InterpolaLogLog(s.F0TR[i - 1], s.F0TR[i], s.TR, tr1, tr2);
    s.TcStar = InterpolaLogLog(s.TcTR[i - 1], s.TcTR[i], s.TR, tr1, tr2);
    if (s.F0 < 2.2f) s.F0 = 2.2f;
    if (mostra) mostra(s);
}

float InterpolaLogLog(float y1, float y2, double TR, double TR1, double TR2) {
    if (y1 == 0.0f) return 0.0f;
    // The ratio in double: rounded to a Single it would move the result at
    // TR = TR2 off the tabulated y2.
    const double rapporto = static_cast<double>(y2) / static_cast<double>(y1);
    const double esponente = Log10(y1) + Log10(rapporto) * Log10(TR / TR1) / Log10(TR2 / TR1);
    return InSingolo(std::pow(10.0, esponente), "InterpolaLogLog");
}

void CalcolaSsCc(NTC& s) {
    if (s.CategoriaSuolo == 1) {
        s.Ss = 1.0f;
        s.Cc = 1.0f;
        return;
    }
    if (s.CategoriaSuolo < 2 || s.CategoriaSuolo > 5) return;
    const CategoriaSuoloNTC& c = SuoliBE[static_cast<std::size_t>(s.CategoriaSuolo - 2)];

    // An arithmetic failure stops here quietly: what is stored stays stored.
    // SS is evaluated in double and rounded to a Single once, when stored.
    const double ss = c.baseSs - c.coefSs * static_cast<double>(s.F0) * static_cast<double>(s.ag);
    if (!(std::fabs(ss) <= MassimoSingolo)) return;
    float nuovoSs = static_cast<float>(ss);
    LimitaValore(nuovoSs, c.minSs, c.maxSs);
    s.Ss = nuovoSs;

    // A power with a negative exponent is undefined at Tc* = 0 (and below).
    if (!(s.TcStar > 0.0f)) return;
    const double cc = c.fattoreCc * std::pow(static_cast<double>(s.TcStar), c.esponenteCc);
    if (!(cc <= MassimoSingolo)) return;
    s.Cc = static_cast<float>(cc);
}

void LimitaValore(float& valore, float inferiore, float superiore) {
    if (valore < inferiore) valore = inferiore;
    if (valore > superiore) valore = superiore;
}

void CalcolaSt(NTC& s) {
    switch (s.CategoriaTopografica) {
        case 1: s.St = 1.0f; break;
        case 2:
        case 3: s.St = InSingolo(1.0 + 0.2 * static_cast<double>(s.hSuH), "CalcolaSt"); break;
        case 4: s.St = InSingolo(1.0 + 0.4 * static_cast<double>(s.hSuH), "CalcolaSt"); break;
        default: break;
    }
}

void CalcolaBetaM(NTC& s) {
    if (s.CategoriaSuolo == 1)
        s.BetaM = SceltaPerAg(s.ag, 0.31f, 0.29f, 0.20f);
    else
        s.BetaM = SceltaPerAg(s.ag, 0.31f, 0.24f, 0.18f);
}

float SceltaPerAg(float ag, float sopra02, float sopra01, float fino01) {
    // Single-precision edges, so that ag of exactly 0.1, 0.2 or 0.4 stays in
    // the lower band.
    if (ag > 0.4f)
        messaggi().mostra("Valore di ag>0,4 nel calcolo di BetaS (non previsto nella Tabella 7.11.I)");
    if (ag > 0.2f) return sopra02;
    if (ag > 0.1f) return sopra01;
    return fino01;
}

void PeriodiSpettro(const NTC& s, float& TB, float& TC, float& TD) {
    TC = InSingolo(static_cast<double>(s.Cc) * static_cast<double>(s.TcStar), "PeriodiSpettro");
    TB = static_cast<float>(static_cast<double>(TC) / 3.0);
    TD = InSingolo(4.0 * static_cast<double>(s.ag) + 1.6, "PeriodiSpettro");
}

std::string NomeStatoLimite(const NTC& s) {
    switch (s.StatoLimite) {
        case SLO: return "SLO";
        case SLD: return "SLD";
        case SLV: return "SLV";
        case SLC: return "SLC";
        default: return "";
    }
}

std::string FormatoNTC(float valore, char separatoreDecimale) {
    verificaFinito(valore, "FormatoNTC");
    // |valore| = d0.d1d2... × 10^esponente, from its shortest decimal form.
    std::array<char, 32> buf{};
    const char* fine = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(valore),
                                     std::chars_format::scientific).ptr;
    const char* e = std::find(static_cast<const char*>(buf.data()), fine, 'e');
    std::string cifre(static_cast<const char*>(buf.data()), e);
    std::erase(cifre, '.');
    int esponente = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), fine, esponente);

    // The integer part of |valore|·10^4, padded to five digits, and the
    // first digit dropped, which decides the rounding.
    const long tenute = esponente + 5;
    std::string intero;
    for (long k = 0; k < tenute; ++k)
        intero += k < std::ssize(cifre) ? cifre[static_cast<std::size_t>(k)] : '0';
    const bool suPerEccesso = tenute >= 0 && tenute < std::ssize(cifre) &&
                              cifre[static_cast<std::size_t>(tenute)] >= '5';
    if (intero.size() < 5) intero.insert(0, 5 - intero.size(), '0');
    if (suPerEccesso) {
        auto cifra = intero.rbegin();
        for (; cifra != intero.rend() && *cifra == '9'; ++cifra) *cifra = '0';
        if (cifra == intero.rend())
            intero.insert(intero.begin(), '1');
        else
            ++*cifra;
    }

    const bool nullo = intero.find_first_not_of('0') == std::string::npos;
    std::string testo = (valore < 0.0f && !nullo) ? "-" : "";
    testo.append(intero, 0, intero.size() - 4);
    testo += separatoreDecimale;
    testo.append(intero, intero.size() - 4, 4);
    return testo;
}

}  // namespace tavo
