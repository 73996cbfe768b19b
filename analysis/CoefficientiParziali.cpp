#include "analysis/CoefficientiParziali.h"

#include "fileio/NumeriRegionali.h"
#include "geometry/PiGreco.h"
#include "ports/ErroreCalcolo.h"

#include <array>
#include <cmath>

namespace tavo {
namespace {

constexpr int NumeroRighe = 7;
constexpr int NumeroColonne = 4;

// Static defaults, row by row (tan φ′, wedge, soil on heel, self weight,
// surcharge, deck vertical, deck horizontal), columns PARETE, MR, SCORR, PORTATA.
constexpr std::array<std::array<float, NumeroColonne>, NumeroRighe> StaticiDefault{{
    {1.25f, 1.25f, 1.25f, 1.25f},
    {1.1f, 1.1f, 1.0f, 1.0f},
    {0.9f, 0.9f, 1.0f, 1.0f},
    {0.9f, 0.9f, 1.0f, 1.0f},
    {1.5f, 1.5f, 1.3f, 1.3f},
    {0.9f, 0.9f, 1.0f, 1.0f},
    {1.5f, 1.5f, 1.3f, 1.3f},
}};
// Seismic defaults: 1.25 on tan φ′, 1 for everything else.
constexpr float SismicoPhiDefault = 1.25f;

float GradiDaRadianti(double r) { return static_cast<float>(r * 180.0 / PiGreco); }
double RadiantiDaGradi(double g) { return g * PiGreco / 180.0; }

float Finito(float x, const char* dove) {
    if (!std::isfinite(x)) throw ErroreCalcolo(std::string("Overflow in ") + dove);
    return x;
}

}  // namespace

std::string LeggeCoefficientiDaForm(const TestiCoefficienti& testi, VariabiliPubbliche& v, const Separatori& sep) {
    std::array<TabellaCoefficienti, 2> tabelle{v.CoefParzStatici, v.CoefParzSismici};
    for (std::size_t p = 0; p < tabelle.size(); ++p) {
        for (int i = 1; i <= TabellaCoefficienti::dimensione(); ++i) {
            const std::string& testo = testi[p][static_cast<std::size_t>(i - 1)];
            const int riga = (i - 1) / NumeroColonne, colonna = (i - 1) % NumeroColonne;
            const std::string casella = std::string(PagineCoefficienti[p]) + ", " +
                                        RigheCoefficienti[static_cast<std::size_t>(riga)] + ", " +
                                        ColonneCoefficienti[static_cast<std::size_t>(colonna)];
            const auto valore = SingoloDigitato(testo, sep);
            if (!valore) return RifiutoCasella(casella, MotivoNonNumero(testo, sep));
            const bool puoEssereZero = riga == 4 || riga == 6;
            if (puoEssereZero ? *valore < 0 : !(*valore > 0))
                return RifiutoCasella(casella, puoEssereZero ? "non può essere minore di zero."
                                                             : "deve essere maggiore di zero.");
            tabelle[p](i) = *valore;
        }
    }
    v.CoefParzStatici = tabelle[0];
    v.CoefParzSismici = tabelle[1];
    return {};
}

void CoefficientiParzialiDefault(VariabiliPubbliche& v) {
    for (int k = 1; k <= NumeroRighe; ++k) {
        for (int c = 1; c <= NumeroColonne; ++c) {
            v.CoefParzStatici(VoceCoefficiente(k, c)) =
                StaticiDefault[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(c - 1)];
            v.CoefParzSismici(VoceCoefficiente(k, c)) = k == 1 ? SismicoPhiDefault : 1.0f;
        }
    }
}

float CoefficienteParziale(const VariabiliPubbliche& v, int indice) {
    return v.CombinazioneSismica ? v.CoefParzSismici(indice) : v.CoefParzStatici(indice);
}

void ImpostaCoefficientiParziali(VariabiliPubbliche& v, Verifica verifica) {
    if (v.Normativa == NormativaDM1996) {
        v.GammaPhi = v.GammaCuneo = v.GammaZavorra = v.GammaPesoProprio = 1;
        v.GammaSovraccarico = v.GammaNi = v.GammaVi = 1;
        v.PhiProgetto = v.AngoloAttritoInterno;
        return;
    }
    const int c = static_cast<int>(verifica);
    float* const correnti[NumeroRighe] = {&v.GammaPhi,         &v.GammaCuneo, &v.GammaZavorra,
                                          &v.GammaPesoProprio, &v.GammaSovraccarico,
                                          &v.GammaNi,          &v.GammaVi};
    for (int k = 1; k <= NumeroRighe; ++k)
        *correnti[k - 1] = CoefficienteParziale(v, VoceCoefficiente(k, c));
    v.PhiProgetto = AngoloAttritoProgetto(v, v.AngoloAttritoInterno);
}

float AngoloAttritoProgetto(const VariabiliPubbliche& v, float angolo) {
    if (v.Normativa != NormativaNTC2008) return angolo;
    if (v.GammaPhi == 0) throw ErroreCalcolo("Divisione per zero in AngoloAttritoProgetto");
    return Finito(GradiDaRadianti(std::atan(std::tan(RadiantiDaGradi(angolo)) / v.GammaPhi)),
                  "AngoloAttritoProgetto");
}

float KhCombinazione(const VariabiliPubbliche& v, const NTC& sisma) {
    if (v.Normativa != NormativaNTC2008) {
        const float kh = (v.GradoSismicita - 2) / 100;
        return kh < 0 ? 0.0f : kh;
    }
    return v.CombinazioneSismica ? sisma.KhNTC : 0.0f;
}

float AngoloTheta(const VariabiliPubbliche& v, const NTC& sisma) {
    if (v.Normativa != NormativaNTC2008) return GradiDaRadianti(std::atan(static_cast<double>(v.Kh)));
    if (!v.CombinazioneSismica) return 0;
    const float fattore = 1 + sisma.KvNTC;
    if (fattore == 0) throw ErroreCalcolo("Divisione per zero in AngoloTheta: 1 + kv = 0");
    return GradiDaRadianti(std::atan(static_cast<double>(Finito(v.Kh / fattore, "AngoloTheta"))));
}

float PesoConKv(const VariabiliPubbliche& v, const NTC& sisma, float W, float psi) {
    if (psi > 0 && v.Normativa == NormativaNTC2008) return Finito(W * (1 + sisma.KvNTC), "PesoConKv");
    return W;
}

}  // namespace tavo
