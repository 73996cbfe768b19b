// Where the title, the code line and the results go. The layout measures
// the drawing by drawing it into a measuring surface: the section (lines,
// and the labels of its forces and pressures as text boxes of the real
// font), then the title and the results at the Part's places. Where on
// the device no text there overlaps another, is struck through by a line
// or leaves the device, those places stay. Otherwise the page is laid out
// in device pixels: the title and the code line at the top left, the
// results one line of the real font apart, beside the section or below
// it, in columns where one is too long for the page, and the section as
// large as the room left to it allows, labels included; where nothing
// fits at the font's size the font gets smaller, never the lines closer.

#include "drawing/SuperficieMisura.h"
#include "walldrawing/DisegnoTavo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace tavo {

namespace {

using Testo = SuperficieMisura::TestoMisurato;

// A box in device pixels, y downward.
struct Riquadro {
    double u1, v1, u2, v2;
};

Riquadro DiTesto(const Testo& t) { return {t.u, t.v, t.u + t.w, t.v + t.h}; }

// The boxes of `testi` added to those the labels must keep clear of.
void AggiungeRiquadri(std::vector<std::array<double, 4>>& riquadri, const std::vector<Testo>& testi) {
    for (const Testo& t : testi) {
        const Riquadro r = DiTesto(t);
        riquadri.push_back({r.u1, r.v1, r.u2, r.v2});
    }
}

// Half a pixel of slack against rounding.
constexpr double Tolleranza = 0.5;

bool Sovrapposti(const Riquadro& a, const Riquadro& b) {
    return std::min(a.u2, b.u2) - std::max(a.u1, b.u1) > Tolleranza &&
           std::min(a.v2, b.v2) - std::max(a.v1, b.v1) > Tolleranza;
}

bool Dentro(const Riquadro& r, double larghezza, double altezza) {
    return r.u1 >= -Tolleranza && r.v1 >= -Tolleranza && r.u2 <= larghezza + Tolleranza &&
           r.v2 <= altezza + Tolleranza;
}

// Whether the segment crosses the inside of the box (Liang-Barsky clip of
// the box shrunk by the slack).
bool Attraversa(const Riquadro& r, double u1, double v1, double u2, double v2) {
    const double a1 = r.u1 + Tolleranza, a2 = r.u2 - Tolleranza;
    const double b1 = r.v1 + Tolleranza, b2 = r.v2 - Tolleranza;
    if (a1 >= a2 || b1 >= b2) return false;
    if (std::max(u1, u2) <= a1 || std::min(u1, u2) >= a2 || std::max(v1, v2) <= b1 ||
        std::min(v1, v2) >= b2)
        return false;
    double t0 = 0, t1 = 1;
    const double du = u2 - u1, dv = v2 - v1;
    const double p[4] = {-du, du, -dv, dv};
    const double q[4] = {u1 - a1, a2 - u1, v1 - b1, b2 - v1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// What the measure found: the section's lines and labels, the title and
// code line, the lines of the results (pieces of one line joined).
struct Misurato {
    std::vector<SuperficieMisura::Segmento> segmenti;  // user coordinates
    SuperficieMisura::Estensione tratti;
    std::vector<Testo> etichette, titolo, risultati;
};

std::vector<Testo> RigheUnite(std::vector<Testo> pezzi) {
    std::vector<Testo> righe;
    for (Testo& t : pezzi) {
        if (!righe.empty() && righe.back().v == t.v) {
            Testo& r = righe.back();
            const double u2 = std::max(r.u + r.w, t.u + t.w);
            r.u = std::min(r.u, t.u);
            r.w = u2 - r.u;
            r.h = std::max(r.h, t.h);
            r.testo += t.testo;
        } else {
            righe.push_back(std::move(t));
        }
    }
    return righe;
}

// Whether at the Part's places every text and line is on the device and
// no title or results line overlaps another text or is struck through.
bool Leggibile(const Misurato& r, const SuperficieMisura& s, double W, double H) {
    for (const Testo& t : r.etichette)
        if (!Dentro(DiTesto(t), W, H)) return false;
    std::vector<Riquadro> blocchi;
    for (const auto* gruppo : {&r.titolo, &r.risultati})
        for (const Testo& t : *gruppo) {
            if (!Dentro(DiTesto(t), W, H)) return false;
            blocchi.push_back(DiTesto(t));
        }
    std::vector<std::array<double, 4>> tratti;
    tratti.reserve(r.segmenti.size());
    for (const auto& g : r.segmenti) {
        const std::array<double, 4> d{s.DispositivoX(g.x1), s.DispositivoY(g.y1),
                                      s.DispositivoX(g.x2), s.DispositivoY(g.y2)};
        const Riquadro punti{std::min(d[0], d[2]), std::min(d[1], d[3]), std::max(d[0], d[2]),
                             std::max(d[1], d[3])};
        if (!Dentro(punti, W, H)) return false;
        tratti.push_back(d);
    }
    for (std::size_t i = 0; i < blocchi.size(); ++i) {
        for (std::size_t j = i + 1; j < blocchi.size(); ++j)
            if (Sovrapposti(blocchi[i], blocchi[j])) return false;
        for (const Testo& t : r.etichette)
            if (Sovrapposti(blocchi[i], DiTesto(t))) return false;
        for (const auto& d : tratti)
            if (Attraversa(blocchi[i], d[0], d[1], d[2], d[3])) return false;
    }
    return true;
}

// The page laid out in device pixels: the world point at the device's
// top-left corner and the pixels per world unit; the title's corner, the
// results' first corner, the line step and the columns.
struct Disposizione {
    double k, X0, Y0;
    double uTitolo, vTitolo, passo;
    double uRisultati, vRisultati;
    int righePerColonna;
    double passoColonne;
};

std::optional<Disposizione> Disponi(const Misurato& r, double W, double H) {
    if (r.titolo.size() < 2 || r.risultati.empty() || r.tratti.vuota()) return std::nullopt;
    double lh = 0, larghezzaRighe = 0;
    for (const Testo& t : r.titolo) lh = std::max(lh, t.h);
    for (const Testo& t : r.risultati) {
        lh = std::max(lh, t.h);
        larghezzaRighe = std::max(larghezzaRighe, t.w);
    }
    const double passo = 1.2 * lh, margine = 0.01 * std::max(W, H), spazio = lh;
    const auto N = static_cast<double>(r.risultati.size());
    if (!(lh > 0) || std::max(r.titolo[0].w, r.titolo[1].w) > W - 2 * margine) return std::nullopt;

    // The section with its labels at k pixels per world unit: its box,
    // with the world origin at pixel (0, 0).
    const auto& g = r.tratti;
    auto ingombro = [&](double k) {
        Riquadro b{g.xMin * k, -g.yMax * k, g.xMax * k, -g.yMin * k};
        for (const Testo& t : r.etichette) {
            b.u1 = std::min(b.u1, t.x * k);
            b.u2 = std::max(b.u2, t.x * k + t.w);
            b.v1 = std::min(b.v1, -t.y * k);
            b.v2 = std::max(b.v2, -t.y * k + t.h);
        }
        return b;
    };
    auto entra = [&](double k, double aw, double ah) {
        const Riquadro b = ingombro(k);
        return b.u2 - b.u1 <= aw && b.v2 - b.v1 <= ah;
    };
    // The largest scale at which the section fills a good part of the area
    // (else its labels would crowd it: the font gets smaller).
    const double gw = g.xMax - g.xMin, gh = g.yMax - g.yMin;
    auto scalaMassima = [&](double aw, double ah) {
        if (!(aw > 0) || !(ah > 0) || !entra(0, aw, ah)) return 0.0;
        double basso = 0, alto = std::min(gw > 0 ? aw / gw : INFINITY, gh > 0 ? ah / gh : INFINITY);
        if (!std::isfinite(alto)) return 0.0;
        if (!entra(alto, aw, ah)) {
            for (int i = 0; i < 50; ++i) {
                const double medio = (basso + alto) / 2;
                (entra(medio, aw, ah) ? basso : alto) = medio;
            }
            alto = basso;
        }
        return alto * gw >= 0.3 * aw || alto * gh >= 0.3 * ah ? alto : 0.0;
    };

    struct Scelta {
        double k = 0;
        Riquadro area{};
        Disposizione d{};
    };
    const double vSezione = margine + passo + lh + spazio;  // below the title and code line
    Scelta accanto, sotto;
    // Beside the section, from the code line's height down, in as many
    // columns as its length needs.
    if (const double righe = std::floor((H - margine - lh - (margine + passo)) / passo) + 1; righe >= 1) {
        const double colonne = std::ceil(N / righe), perColonna = std::ceil(N / colonne);
        const double uR = W - margine - colonne * larghezzaRighe - (colonne - 1) * spazio;
        if (margine + r.titolo[1].w + spazio <= uR) {
            accanto.area = {margine, vSezione, uR - spazio, H - margine};
            accanto.k = scalaMassima(accanto.area.u2 - accanto.area.u1, accanto.area.v2 - accanto.area.v1);
            accanto.d = {0, 0, 0, margine, margine, passo, uR, margine + passo,
                         static_cast<int>(perColonna), larghezzaRighe + spazio};
        }
    }
    // Below the section, in as many columns as the width holds.
    {
        const double colonne = std::clamp(std::floor((W - 2 * margine + spazio) / (larghezzaRighe + spazio)), 1.0, N);
        const double perColonna = std::ceil(N / colonne);
        const double vR = H - margine - (perColonna - 1) * passo - lh;
        sotto.area = {margine, vSezione, W - margine, vR - spazio};
        sotto.k = scalaMassima(sotto.area.u2 - sotto.area.u1, sotto.area.v2 - sotto.area.v1);
        sotto.d = {0, 0, 0, margine, margine, passo, margine, vR, static_cast<int>(perColonna),
                   larghezzaRighe + spazio};
    }
    // Beside, as the Part has it, unless below gives a much larger section.
    const Scelta& c = accanto.k > 0 && accanto.k >= 0.75 * sotto.k ? accanto : sotto;
    if (!(c.k > 0)) return std::nullopt;
    const Riquadro b = ingombro(c.k);
    const double ox = c.area.u1 + ((c.area.u2 - c.area.u1) - (b.u2 - b.u1)) / 2 - b.u1;
    Disposizione d = c.d;
    double oy = c.area.v1 + ((c.area.v2 - c.area.v1) - (b.v2 - b.v1)) / 2 - b.v1;
    if (&c == &sotto) {
        // Below: the section at the top of its area, the results right under it.
        oy = c.area.v1 - b.v1;
        d.vRisultati = oy + b.v2 + spazio;
    }
    d.k = c.k;
    d.X0 = -ox / c.k;
    d.Y0 = oy / c.k;
    return d;
}

}  // namespace

SuperficieDisegno* DisegnoTavo::SuperficieCorrente() const {
    if (uscita_ == UscitaGrafica::VIDEO) return oggetto_.superficie;
    if (uscita_ == UscitaGrafica::STAMPANTE) return g_.Stampante;
    return nullptr;
}

double DisegnoTavo::GammaSovraccarichi() const {
    // A negligible soil unit weight: the wall's gives the surcharge heights.
    return v_.PesoSpecificoTavo / 100 >= v_.PesoSpecificoTerreno ? v_.PesoSpecificoTavo
                                                                  : v_.PesoSpecificoTerreno;
}

DisegnoTavo::Impaginazione DisegnoTavo::Impagina(const Misure& m) {
    const double h = m.h;
    Impaginazione parte{m.xMin,          m.yMax + 5.6 * h, m.yMax + 4.4 * h, m.xRisultati,
                        m.yMax + 4.4 * h, 1.2 * h};

    // Draws into the measuring surface what `disegna` draws, with the
    // drawing's own target put back however it ends.
    auto misura = [&](SuperficieMisura& s, auto disegna) {
        struct Ripristino {
            DisegnoTavo& d;
            ~Ripristino() { ImpostaUscita(d.g_, 1, d.uscita_, d.oggetto_); }
        } ripristino{*this};
        ImpostaUscita(g_, 1, UscitaGrafica::VIDEO, &s);
        disegna();
    };
    auto misuraTutto = [&](SuperficieMisura& s, const Impaginazione& imp) {
        Misurato r;
        misura(s, [&] { DisegnaSezione(m); });
        r.segmenti = s.Segmenti();
        r.tratti = s.Tratti();
        r.etichette = s.Testi();
        s.Azzera();
        misura(s, [&] { DisegnaTitolo(m, imp); });
        r.titolo = s.Testi();
        s.Azzera();
        misura(s, [&] {
            DisegnaRisultati(imp.xRisultati, imp.yRisultati, h, imp.passo, imp.righePerColonna,
                             imp.passoColonne);
        });
        r.risultati = RigheUnite(s.Testi());
        return r;
    };

    ingombri_ = {};
    SuperficieDisegno* dispositivo = SuperficieCorrente();
    if (!dispositivo) {
        // A DXF file or the CAD program: text is as high as h in world
        // units and stands on its point; the code line only has to start
        // above everything the section draws.
        SuperficieMisura s;
        misura(s, [&] { DisegnaSezione(m); });
        double alto = s.Tratti().vuota() ? m.yMax : s.Tratti().yMax;
        for (const Testo& t : s.Testi()) alto = std::max(alto, t.y + h);
        if (std::isfinite(alto) && alto + h / 5 > parte.yNormativa) {
            parte.yNormativa = alto + h / 5;
            parte.yTitolo = parte.yNormativa + 1.2 * h;
        }
        return parte;
    }

    const double W = dispositivo->LarghezzaDispositivo(), H = dispositivo->AltezzaDispositivo();
    // The font gets smaller only where nothing fits at its size.
    constexpr int Tentativi = 12;
    double fattore = 1;
    for (int tentativo = 0; tentativo < Tentativi; ++tentativo, fattore *= 0.8) {
        SuperficieMisura s(*dispositivo);
        s.FontSize(s.FontSize() * fattore);
        const Misurato r = misuraTutto(s, parte);
        if (tentativo == 0) {
            for (const auto& g : r.segmenti) ingombri_.segmenti.push_back({g.x1, g.y1, g.x2, g.y2});
            if (Leggibile(r, s, W, H)) {
                for (const auto* gruppo : {&r.titolo, &r.risultati}) AggiungeRiquadri(ingombri_.riquadri, *gruppo);
                return parte;
            }
        }
        const std::optional<Disposizione> d = Disponi(r, W, H);
        if (!d) continue;
        // The whole device is the plot window's area, its world box of the
        // device's proportions: the scale is k on both axes, nothing moves.
        plt_->EstremiFinestra(0, 0, 1, 1);
        plt_->Inizializza(g_, static_cast<float>(d->X0), static_cast<float>(d->X0 + W / d->k),
                          static_cast<float>(d->Y0 - H / d->k), static_cast<float>(d->Y0), uscita_,
                          oggetto_, 1, true, 0);
        const double k = d->k;
        const Impaginazione imp{d->X0 + d->uTitolo / k,     d->Y0 - d->vTitolo / k,
                                d->Y0 - (d->vTitolo + d->passo) / k, d->X0 + d->uRisultati / k,
                                d->Y0 - d->vRisultati / k, d->passo / k,
                                d->righePerColonna,        d->passoColonne / k,
                                fattore};
        // The boxes of the title and the results where they now go.
        SuperficieMisura finale(*dispositivo);
        finale.FontSize(finale.FontSize() * fattore);
        misura(finale, [&] {
            DisegnaTitolo(m, imp);
            DisegnaRisultati(imp.xRisultati, imp.yRisultati, h, imp.passo, imp.righePerColonna,
                             imp.passoColonne);
        });
        AggiungeRiquadri(ingombri_.riquadri, finale.Testi());
        return imp;
    }
    return parte;  // a device too small for any text: the Part's places
}

void DisegnoTavo::PosaEtichetta(double& x, double& y, std::string_view testo) {
    SuperficieDisegno* s = SuperficieCorrente();
    if (!s) return;
    const double W = s->LarghezzaDispositivo(), H = s->AltezzaDispositivo();
    const double u0 = s->DispositivoX(x), v0 = s->DispositivoY(y);
    const double w = s->LarghezzaTestoPixel(testo), h = s->AltezzaTestoPixel(testo);
    if (!std::isfinite(u0) || !std::isfinite(v0) || !(w > 0) || !(h > 0)) return;
    if (ingombri_.segmentiPixel.empty())
        for (const auto& g : ingombri_.segmenti)
            ingombri_.segmentiPixel.push_back(
                {s->DispositivoX(g[0]), s->DispositivoY(g[1]), s->DispositivoX(g[2]), s->DispositivoY(g[3])});

    auto senzaTesti = [&](const Riquadro& r) {
        if (!Dentro(r, W, H)) return false;
        for (const auto& q : ingombri_.riquadri)
            if (Sovrapposti(r, {q[0], q[1], q[2], q[3]})) return false;
        return true;
    };
    auto senzaLinee = [&](const Riquadro& r) {
        for (const auto& g : ingombri_.segmentiPixel)
            if (Attraversa(r, g[0], g[1], g[2], g[3])) return false;
        return true;
    };
    // The Part's place first, then around its point, nearest first, up to
    // three lines up or down and one and a half widths aside: the first
    // place free of texts and lines, else the first free of texts.
    // In widths and heights of the label, nearest first.
    static const std::array<std::array<double, 2>, 49> passi = [] {
        std::array<std::array<double, 2>, 49> p{};
        std::size_t n = 0;
        for (double dv : {0.0, -1.0, 1.0, -2.0, 2.0, -3.0, 3.0})
            for (double du : {0.0, -1.0, -0.5, 0.5, -1.5, 1.0, 1.5}) p[n++] = {du, dv};
        std::stable_sort(p.begin(), p.end(), [](const auto& a, const auto& b) {
            return std::hypot(a[0], a[1]) < std::hypot(b[0], b[1]);
        });
        return p;
    }();
    std::array<std::array<double, 2>, 49> spostamenti{};
    for (std::size_t i = 0; i < passi.size(); ++i) spostamenti[i] = {passi[i][0] * w, passi[i][1] * h};
    const std::array<double, 2>* scelto = nullptr;
    const std::array<double, 2>* soloTesti = nullptr;
    for (const auto& d : spostamenti) {
        const Riquadro r{u0 + d[0], v0 + d[1], u0 + d[0] + w, v0 + d[1] + h};
        if (!senzaTesti(r)) continue;
        if (!soloTesti) soloTesti = &d;
        if (senzaLinee(r)) {
            scelto = &d;
            break;
        }
    }
    if (!scelto) scelto = soloTesti;
    const std::array<double, 2>& d = scelto ? *scelto : spostamenti[0];
    x += d[0] * s->ScaleWidth() / W;
    y += d[1] * s->ScaleHeight() / H;
    ingombri_.riquadri.push_back({u0 + d[0], v0 + d[1], u0 + d[0] + w, v0 + d[1] + h});
}

}  // namespace tavo
