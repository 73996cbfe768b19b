// The block of results beside the section: the main input data and the
// governing results, in four groups with coloured headings.

#include "analysis/ListaRisultati.h"
#include "drawing/Grafica.h"
#include "fileio/NumeriRegionali.h"
#include "walldrawing/DisegnoTavo.h"

#include <array>
#include <string>

namespace tavo {

namespace {

// The Greek letters: the Symbol font turns the Latin j, d, g, s into φ, δ,
// γ, σ in the CAD program (and a DXF file keeps the Latin letter); screen
// and paper write the Greek letter itself in the text's own font, since a
// Symbol font with that mapping is seldom installed.
bool GrecoUnicode(UscitaGrafica uscita) {
    return uscita == UscitaGrafica::VIDEO || uscita == UscitaGrafica::STAMPANTE;
}

std::string Lettera(UscitaGrafica uscita, char latina) {
    if (!GrecoUnicode(uscita)) return std::string(1, latina);
    switch (latina) {
        case 'j': return "φ";
        case 'd': return "δ";
        case 'g': return "γ";
        case 's': return "σ";
        default: return std::string(1, latina);
    }
}

std::string FV(double v) { return FormattaValore(v); }
std::string Dato(float v) { return TestoRegionale(v); }

}  // namespace

void DisegnoTavo::DisegnaRisultati(double x, double y, double h, double passo,
                                   int righePerColonna, double passoColonne) {
    const VariabiliPubbliche& v = v_;
    const bool dm = v.Normativa == NormativaDM1996;
    const int r = v.CombGravosaRibaltamento, p = v.CombGravosaPortata;
    const int s = v.CombGravosaScorrimento, w = v.CombGravosaParete;

    // The next line: one step lower, or the top of the next column.
    const double yPrima = y;
    int righe = 1;
    auto aCapo = [&] {
        if (righePerColonna > 0 && righe % righePerColonna == 0) {
            x += passoColonne;
            y = yPrima;
        } else {
            y -= passo;
        }
        ++righe;
    };
    auto riga = [&](const std::string& testo) {
        aCapo();
        DisegnaTesto(g_, x, y, h, testo, 1);
    };
    auto rigaGreca = [&](char latina, const std::string& resto) {
        aCapo();
        const std::array<PezzoTesto, 2> pezzi{PezzoTesto{Lettera(uscita_, latina), 2},
                                              PezzoTesto{resto, 1}};
        DisegnaTestoComposto(g_, x, y, h, pezzi);
    };

    StileTestoDwg(g_, 1, "Arial", "Times");
    StileTestoDwg(g_, 2, GrecoUnicode(uscita_) ? "Arial" : "Symbol", "Symbol");
    ImpostaFont(g_, 1);

    ImpostaColore(g_, 1);
    DisegnaTesto(g_, x, y, h, "Dati", 1);
    ImpostaColore(g_, 5);
    rigaGreca('j', " = " + Dato(v.AngoloAttritoInterno) + "°");
    rigaGreca('d', " = " + Dato(v.AngoloAttritoTerraTavo) + "°");
    rigaGreca('j', " f = " + Dato(v.AngoloAttritoFondazione) + "°");
    rigaGreca('g', " t = " + Dato(v.PesoSpecificoTerreno) + " kN/m3");
    rigaGreca('g', " m = " + Dato(v.PesoSpecificoTavo) + " kN/m3");
    ImpostaFont(g_, 1);
    if (dm)
        riga("S = " + Dato(v.GradoSismicita));
    else
        riga("kh = " + Dato(sisma_.KhNTC) + "; kv = " + Dato(sisma_.KvNTC));
    riga("Ni = " + Dato(v.NImpalcato));
    riga("dN = " + Dato(v.DistanzaImpalcato));
    riga("Vi = " + Dato(v.VImpalcato));

    ImpostaColore(g_, 1);
    riga("Sollecitazioni Parete");
    ImpostaColore(g_, 5);
    riga("St = " + FV(v.StParete(w)));
    riga("Sq = " + FV(v.SqParete(w)));
    riga("Ss = " + FV(v.SsParete(w)));
    riga("Si = " + FV(v.SiParete(w)));
    riga("M = " + FV(v.MParete(w)));
    riga("N = " + FV(v.NParete(w)));
    riga("V = " + FV(v.VParete(w)));

    ImpostaColore(g_, 1);
    riga(dm ? "Sollecitazioni Fondazione" : "Sollecitazioni Fondazione per Ribaltamento");
    ImpostaColore(g_, 5);
    riga("St = " + FV(v.StRibaltamento(r)));
    riga("Sq = " + FV(v.SqRibaltamento(r)));
    riga("Ss = " + FV(v.SsRibaltamento(r)));
    riga("Si = " + FV(v.SiRibaltamento(r)));
    if (dm) {
        riga("M = " + FV(v.MPortata(p)));
        riga("N = " + FV(v.NPortata(p)));
        riga("V = " + FV(v.TScorrimento(p)));
    }
    riga("Mr = " + FV(v.MRibaltante(r)));

    ImpostaColore(g_, 1);
    riga("Verifiche Fondazione");
    ImpostaColore(g_, 5);
    riga("Sicurezza ribaltamento = " + TestoSicurezzaRibaltamento(v, r));
    riga("Sicurezza scorrimento = " + TestoSicurezzaScorrimento(v, s));
    if (!dm) {
        riga("M = " + FV(v.MPortata(p)));
        riga("N = " + FV(v.NPortata(p)));
    }
    rigaGreca('s', " t,valle = " + FV(v.SigmaValle / 1000.0) + " N/mm2");
    rigaGreca('s', " t,monte = " + FV(v.SigmaMonte / 1000.0) + " N/mm2");
    riga("M sbalzo valle = " + FV(v.MSuolaValle));
    riga("M sbalzo monte = " + FV(v.MSuolaMonte));
}

}  // namespace tavo
