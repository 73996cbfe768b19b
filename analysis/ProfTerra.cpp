#include "analysis/ProfTerra.h"

#include "analysis/ArrayUno.h"
#include "geometry/Rette.h"

#include <algorithm>

namespace tavo {

namespace {
template <class T>
std::size_t posizione(const std::vector<T>& v, int i) {
    if (i < 1 || i > static_cast<int>(v.size())) detail::indiceFuoriIntervallo(i, v.size());
    return static_cast<std::size_t>(i - 1);
}
}  // namespace

float ProfTerra::Xi(int i) const { return static_cast<float>(x_[posizione(x_, i)]); }
void ProfTerra::Xi(int i, float xIn) {
    x_[posizione(x_, i)] = xIn;
    aggiornaLati();
}
float ProfTerra::Yi(int i) const { return static_cast<float>(y_[posizione(y_, i)]); }
void ProfTerra::Yi(int i, float yIn) {
    y_[posizione(y_, i)] = yIn;
    aggiornaLati();
}
float ProfTerra::qi(int i) const { return q_[posizione(q_, i)]; }
float ProfTerra::LunghezzaCaricata(int i) const { return caricata_[posizione(caricata_, i)]; }

void ProfTerra::Coordinate(std::span<const float> x, std::span<const float> y,
                           std::span<const float> q, int n) {
    const std::size_t nn = n > 0 ? static_cast<std::size_t>(n) : 0u;
    const std::size_t nq = nn > 0 ? nn - 1 : 0u;
    if (x.size() < nn || y.size() < nn || q.size() < nq)
        throw std::out_of_range("ProfTerra.Coordinate: vettori piu' corti di n");
    x_.assign(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(nn));
    y_.assign(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(nn));
    q_.assign(q.begin(), q.begin() + static_cast<std::ptrdiff_t>(nq));
    nVertici = static_cast<std::int16_t>(n);
    // No wedge has been searched on the new profile yet: what the last
    // search loaded belongs to the old one, whose sides may be more.
    nqPrisma = 0;
    caricata_.assign(nq, 0.0f);
    aggiornaLati();
}

void ProfTerra::aggiornaLati() {
    const int n = static_cast<int>(x_.size());
    lati_.resize(n > 1 ? static_cast<std::size_t>(n - 1) : 0u);
    for (int i = 1; i <= n - 1; ++i) {
        Lato& l = lati_[i - 1];
        l.costruito = RettaPerDuePunti(Coppia{x_[i - 1], x_[i]}, Coppia{y_[i - 1], y_[i]},
                                       Coppia{1, 1}, l.a, l.b, l.c, 0.000001);
    }
    nZero_ = nVertici;
    zero_ = MaxDimensionePunti(x_, y_, nVertici, 1000000);
}

IncrociPoligonale ProfTerra::IntersezioneConRetta(double a, double b, double c) const {
    return IntersezionePoligonaleRetta(a, b, c, x_, y_, nVertici, true);
}

bool ProfTerra::PrimoIncrocio(double a, double b, double c, double& xc, double& yc, int& lato,
                              int primoLato) const {
    const int n = nVertici;
    if (n > static_cast<int>(x_.size()))
        throw std::out_of_range("ProfTerra.PrimoIncrocio: nVertici oltre i punti del profilo");
    ImpostaZeroMaxDimen(n == nZero_ ? zero_ : MaxDimensionePunti(x_, y_, n, 1000000));
    bool ultimaIncrocia = false;
    double xu = 0, yu = 0;
    for (int i = std::max(primoLato, 1); i <= n - 1; ++i) {
        const Lato& l = lati_[i - 1];
        double xo = 0, yo = 0;
        if (!l.costruito || !IntersezioneRette(a, b, c, l.a, l.b, l.c, xo, yo)) continue;
        if (PuntoInternoSegmento(Coppia{x_[i - 1], x_[i]}, Coppia{y_[i - 1], y_[i]}, xo, yo)) {
            xc = xo;
            yc = yo;
            lato = i;
            return true;
        }
        if (i == n - 1) {
            ultimaIncrocia = true;
            xu = xo;
            yu = yo;
        }
    }
    if (!ultimaIncrocia) return false;
    xc = xu;
    yc = yu;
    lato = n;
    return true;
}

float ProfTerra::SovraccaricoPrisma() {
    const int n = nVertici;
    if (n > static_cast<int>(x_.size()))
        throw std::out_of_range("ProfTerra.SovraccaricoPrisma: nVertici oltre i punti del profilo");
    // The loaded lengths are re-sized on every call; assign keeps the
    // capacity, so the wedge loop does not allocate after its first wedge.
    caricata_.assign(n > 1 ? static_cast<std::size_t>(n - 1) : 0u, 0.0f);
    nqPrisma = 0;
    for (int i = 1; i <= n - 1; ++i) {
        ++nqPrisma;
        const float xi = static_cast<float>(x_[i - 1]), xj = static_cast<float>(x_[i]);
        if (xj < xFinePrisma) {
            caricata_[i - 1] = xj - xi;
        } else {
            caricata_[i - 1] = xFinePrisma - xi;
            break;
        }
    }
    float Q = 0;
    for (int i = 1; i <= nqPrisma; ++i) Q = Q + q_[i - 1] * caricata_[i - 1];
    return Q;
}

float ProfTerra::SovraccaricoPrisma(float xInizio) {
    SovraccaricoPrisma();
    float Q = 0;
    for (int i = 1; i <= nqPrisma; ++i) {
        const float xi = static_cast<float>(x_[i - 1]);
        if (xi < xInizio) caricata_[i - 1] = std::max(0.0f, caricata_[i - 1] - (xInizio - xi));
        Q = Q + q_[i - 1] * caricata_[i - 1];
    }
    return Q;
}

}  // namespace tavo
