#include "analysis/ReportArmature.h"

#include "analysis/CalcoloMain.h"
#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "analysis/MomentiSuole.h"
#include "analysis/SpintaTerre.h"
#include "analysis/VariabiliRipristinate.h"
#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <cmath>
#include <exception>

namespace tavo {
namespace {

constexpr const char* CRLF = "\r\n";
constexpr const char* Intestazione1 =
    "d [m]\tM [kNm]\tN [kN]\tV [kN]\tAs [cm2]\tsig c [MPa]    tau c [MPa]";
constexpr const char* Intestazione2 = "d [m]\tM [kNm]\tV [kN]\tAs [cm2]\tsig c [MPa]    tau c [MPa]";

void VerificaNumeroSezioni(float lunghezza, float s) {
    if (!(s > 0) || static_cast<double>(lunghezza) / s > MassimoSezioniPerTratto)
        throw ErroreCalcolo("distanza fra le sezioni troppo piccola: più di " +
                            std::to_string(MassimoSezioniPerTratto) + " sezioni in un tratto");
}

// What is left of the member below which no more section is listed.
double Residuo(float s) { return s / 1000.0; }

// The stem-base actions of the governing combination as the reshaped wall
// now stands, designed on a section of depth H (mm).
AzioniSezione AzioniBaseParete(const VariabiliPubbliche& v, SezioneCaRettangolare& sez, double H) {
    const int k = v.CombGravosaParete;
    AzioniSezione a;
    a.M = v.MParete(k);
    a.N = v.NParete(k);
    a.V = v.VParete(k);
    PassoSezione(sez, H, a);
    return a;
}

std::string Celle(float d, const AzioniSezione& a, bool conN) {
    std::string t = CRLF;
    t += TestoRegionale(d);
    t += '\t';
    t += FormattaValore(a.M);
    t += '\t';
    if (conN) {
        t += FormattaValore(a.N);
        t += '\t';
    }
    t += FormattaValore(a.V);
    t += '\t';
    t += a.Verificata ? FormSig(a.Ast) : TestoNonVerificata;
    t += "\t    ";
    t += a.Verificata ? FormSig(a.SigmaC) : "-";
    t += "\t       ";
    t += FormSig(a.TauC);
    return t;
}

void Intestazione(std::string& testo, const char* titolo, const char* intestazione) {
    testo += CRLF;
    testo += "  ";
    testo += CRLF;
    testo += titolo;
    testo += CRLF;
    testo += intestazione;
}

}  // namespace

std::string MessaggioNonVerificate(int quante) {
    return "Sezioni non verificate: " + std::to_string(quante) + " (righe \"" + TestoNonVerificata +
           "\"). In trazione con la risultante non oltre l'armatura tesa, la sola armatura tesa non "
           "equilibra la sezione; oppure la ricerca dell'armatura non è riuscita.";
}

std::vector<float> DistanzeDallaCima(float lunghezza, float s) {
    VerificaNumeroSezioni(lunghezza, s);
    std::vector<float> d;
    for (float x = lunghezza; x >= Residuo(s); x -= s) d.push_back(x);
    return d;
}

std::vector<float> DistanzeDalFilo(float lunghezza, float s) {
    VerificaNumeroSezioni(lunghezza, s);
    std::vector<float> d;
    for (float x = 0; static_cast<double>(lunghezza) - x >= Residuo(s); x += s) d.push_back(x);
    return d;
}

SezioneCaRettangolare SezioneDelReport(const VariabiliPubbliche& v) {
    SezioneCaRettangolare sez;
    sez.EsSuEc = v.CoeffOmogeneizzazione;
    sez.h1 = v.Copriferro * 10.0f;
    sez.b = 1000;
    sez.SigmaSadm = v.Normativa == NormativaNTC2008 ? v.fyd : v.SigmaAcciaioAmm;
    return sez;
}

void PassoSezione(SezioneCaRettangolare& sez, double H, AzioniSezione& a) {
    sez.H = H;
    sez.M = static_cast<double>(a.M) * 1000000.0;
    sez.n = a.N * 1000.0f;
    sez.V = a.V * 1000.0f;
    sez.Progetto();
    if (sez.TrazioneNonEquilibrata) {
        a.Verificata = false;
        a.Ast = 0;
        a.SigmaC = 0;
        a.TauC = sez.TauC;
        return;
    }
    // The check runs on the magnitudes: a negative moment is the same
    // section mirrored about its mid-depth. The signed values stay.
    const double M = sez.M;
    const double Ast = sez.Ast;
    sez.M = std::fabs(M);
    sez.Ast = std::fabs(Ast);
    sez.Verifica();
    sez.M = M;
    sez.Ast = Ast;
    a.Ast = Ast / 100.0;
    a.SigmaC = sez.SigmaC;
    a.TauC = sez.TauC;
    // Within the design's own tolerance of the admissible stress; a search
    // that could not bracket the area leaves one with more stress than that.
    a.Verificata = sez.SigmaS - sez.SigmaSadm < sez.SigmaSadm / 10000.0;
}

AzioniSezione CalcolaAzioniParete(VariabiliPubbliche& v, NTC& sisma, SezioneCaRettangolare& sez, float hi) {
    VariabiliRipristinate ripristino(v.AltezzaParete, v.SpessoreBaseParete);
    // The stem thickness at that depth, straight between the top and the base.
    v.SpessoreBaseParete =
        v.SpessoreTestaParete + hi * (v.SpessoreBaseParete - v.SpessoreTestaParete) / v.AltezzaParete;
    v.AltezzaParete = hi;
    CalcolaGeometria(v);
    CombinazioniParete(v, sisma);
    return AzioniBaseParete(v, sez, v.SpessoreBaseParete * 1000.0f);
}

AzioniSezione CalcolaAzioniParaghiaia(VariabiliPubbliche& v, NTC& sisma, SezioneCaRettangolare& sez, float hi) {
    VariabiliRipristinate ripristino(v.AltezzaParaghiaia, v.AltezzaParete, v.InclinazioneParete,
                                     v.SpessoreBaseParete, v.SpessoreTestaParete, v.NImpalcato,
                                     v.VImpalcato);
    v.AltezzaParete = hi;
    v.InclinazioneParete = 0;
    v.SpessoreTestaParete = v.SpessoreParaghiaia;
    v.SpessoreBaseParete = v.SpessoreParaghiaia;
    v.AltezzaParaghiaia = 0;
    v.NImpalcato = 0;
    v.VImpalcato = 0;
    CalcolaGeometria(v);
    CombinazioniParete(v, sisma);
    return AzioniBaseParete(v, sez, v.SpessoreParaghiaia * 1000.0f);
}

AzioniSezione CalcolaAzioniSuolaValle(const VariabiliPubbliche& v, SezioneCaRettangolare& sez, float di,
                                      float lSbalzoValle) {
    AzioniSezione a;
    const float x = lSbalzoValle - di;
    a.M = MomentoSuolaValle(v, x, a.V);
    PassoSezione(sez, v.AltezzaFondazione * 1000.0f, a);
    return a;
}

AzioniSezione CalcolaAzioniSuolaMonte(const VariabiliPubbliche& v, SezioneCaRettangolare& sez, float di) {
    // The soil beyond the section: the side of x = di where the point
    // (2·L2, 0) lies.
    Poligono P;
    if (di <= 0) {
        P = v.PolZavorra;
    } else if (auto parte = v.PolZavorra.PoligonoIntersezione(1, 0, -di, 2.0 * v.SbalzoFondazione, 0, 1)) {
        P = std::move(*parte);
    }
    AzioniSezione a;
    const float x = v.SbalzoFondazione - di;
    a.M = MomentoSuolaMonte(v, P, x, a.V);
    PassoSezione(sez, v.AltezzaFondazione * 1000.0f, a);
    return a;
}

std::string FormSig(double V) {
    Separatori sep = separatoriRegionali();
    sep.migliaia = 0;
    return FormattaConDecimali(V, 2, sep);
}

std::string RigaConN(float d, const AzioniSezione& a) { return Celle(d, a, true); }
std::string RigaSenzaN(float d, const AzioniSezione& a) { return Celle(d, a, false); }

std::optional<std::string> ListaArmature(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra) {
    // The report is one action: the same message from many sections is shown once.
    MessaggiSenzaRipetizioni unaVolta;
    const VariabiliPubbliche statoIniziale = v;
    const NTC sismaIniziale = sisma;
    auto ripristina = [&] {
        v = statoIniziale;
        sisma = sismaIniziale;
        return std::nullopt;
    };
    auto fallisce = [&](const std::string& messaggio) {
        messaggi().mostra(messaggio, Icona::Critico);
        return ripristina();
    };

    try {
        SezioneCaRettangolare sez = SezioneDelReport(v);
        // The fields are read and accepted as the calculation does, before
        // any section is computed from them; a refusal has said why.
        if (!LeggeDatiControllati(v, sisma, finestra)) return ripristina();
        const float s = v.DistanzaSezioni;
        const float lSbalzoValle = v.LarghezzaFondazione - v.SbalzoFondazione - v.SpessoreBaseParete;
        const bool paraghiaia = v.AltezzaParaghiaia > 0 && v.SpessoreParaghiaia > 0;
        // Every block's sections first, so that a refused spacing stops
        // the report before anything is computed.
        const std::vector<float> dParete = DistanzeDallaCima(v.AltezzaParete, s);
        const std::vector<float> dParaghiaia =
            paraghiaia ? DistanzeDallaCima(v.AltezzaParaghiaia, s) : std::vector<float>{};
        const std::vector<float> dValle = DistanzeDalFilo(lSbalzoValle, s);
        const std::vector<float> dMonte = DistanzeDalFilo(v.SbalzoFondazione, s);

        int nonVerificate = 0;
        auto conta = [&](const AzioniSezione& a) -> const AzioniSezione& {
            if (!a.Verificata) ++nonVerificate;
            return a;
        };

        std::string testo = "PARETE (d=distanza sezione da base paraghiaia)";
        testo += CRLF;
        testo += Intestazione1;
        for (float d : dParete) testo += RigaConN(d, conta(CalcolaAzioniParete(v, sisma, sez, d)));

        if (paraghiaia) {
            Intestazione(testo, "PARAGHIAIA  (d=distanza sezione da sommità)", Intestazione1);
            for (float d : dParaghiaia) testo += RigaConN(d, conta(CalcolaAzioniParaghiaia(v, sisma, sez, d)));
        }

        if (!CalcoloMain(v, sisma, finestra)) return fallisce("Errore in ListaArmature provocato da CalcoloMain");

        Intestazione(testo,
                     "SUOLA A VALLE (d=distanza sezione da filo parete. As positiva per armatura inferiore)",
                     Intestazione2);
        for (float d : dValle) testo += RigaSenzaN(d, conta(CalcolaAzioniSuolaValle(v, sez, d, lSbalzoValle)));

        Intestazione(testo,
                     "SUOLA A MONTE (d=distanza sezione da filo parete. As positiva per armatura superiore)",
                     Intestazione2);
        for (float d : dMonte) testo += RigaSenzaN(d, conta(CalcolaAzioniSuolaMonte(v, sez, d)));
        if (nonVerificate > 0) messaggi().mostra(MessaggioNonVerificate(nonVerificate), Icona::Esclamazione);
        return testo;
    } catch (const ErroreRicercaSpinta& e) {
        // Ground too steep for the friction: the calculation's own words.
        return fallisce(e.what());
    } catch (const std::exception& e) {
        return fallisce(std::string("Errore in ListaArmature. ") + e.what());
    }
}

}  // namespace tavo
