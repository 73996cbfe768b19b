#include "analysis/CalcoloMain.h"

#include "analysis/Combinazioni.h"
#include "analysis/ControlloSezione.h"
#include "analysis/GeometriaSezione.h"
#include "analysis/ListaRisultati.h"
#include "analysis/RisultatoAttuale.h"
#include "analysis/SpintaTerre.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <cmath>
#include <exception>
#include <initializer_list>
#include <string>

namespace tavo {
namespace {

constexpr const char* MessaggioErrore = "ERRORE! Controllare i dati";

// The ground profile: a message naming the side, or an empty text.
std::string DifettoProfilo(const VariabiliPubbliche& v) {
    // The last side is extended to the far end of the ground, which divides
    // by its run: a run that is too short (or negative) is refused.
    const float soglia = (v.AltezzaParaghiaia + v.AltezzaParete + v.AltezzaFondazione) / 100;
    if (v.dxProfilo(v.nLatiTerreno) < soglia)
        return "Lunghezza del segmento " + std::to_string(v.nLatiTerreno) + " del profilo terreno troppo piccola";
    // A ground reaching beyond any real site only overflows the geometry of
    // the drawing and coarsens the profile's tolerance (a millionth of its
    // extent): refused, naming the first side that goes that far.
    constexpr float limite = 1e6f;
    float x = 0, y = 0;
    for (int j = 1; j <= v.nLatiTerreno; ++j) {
        x += v.dxProfilo(j);
        y += v.dyProfilo(j);
        if (!(std::fabs(x) <= limite && std::fabs(y) <= limite))
            return "Il segmento " + std::to_string(j) +
                   " del profilo terreno arriva a più di 1000 km dal tavo: controllare dx e dy";
    }
    return {};
}

// The checks of the inputs, in the order of the main window's boxes: each
// gives the message that refuses the wall, or an empty text.
using Controllo = std::string (*)(const VariabiliPubbliche&);
constexpr Controllo Controlli[] = {
    DifettoProfilo,
    DifettoSezione,
};

void VerificaFinito(float x) {
    if (!std::isfinite(x)) throw ErroreCalcolo("CalcoloMain: risultato non finito");
}

// Every result that the calculation has just written, for the combinations
// it computed (under DM 1996 elements 2 and 3 belong to an earlier run).
void VerificaRisultatiFiniti(const VariabiliPubbliche& v) {
    const int combinazioni = v.Normativa == NormativaNTC2008 ? 3 : 1;
    for (Terna VariabiliPubbliche::*t : TerneRisultati)
        for (int k = 1; k <= combinazioni; ++k) VerificaFinito((v.*t)(k));
    for (const CoppiaRetta* r :
         {&v.xRettaStParete, &v.yRettaStParete, &v.xRettaSqParete, &v.yRettaSqParete,
          &v.xRettaSsParete, &v.yRettaSsParete, &v.xRettaStFondazione, &v.yRettaStFondazione,
          &v.xRettaSqFondazione, &v.yRettaSqFondazione, &v.xRettaSsFondazione, &v.yRettaSsFondazione})
        for (int i = 1; i <= 2; ++i) VerificaFinito((*r)(i));
    for (float x : {v.SigmaValle, v.SigmaMonte, v.LarghezzaCompressa, v.MSuolaValle, v.MSuolaMonte,
                    v.PesoZavorra, v.xZavorra, v.yZavorra, v.xImpalcato, v.yImpalcato})
        VerificaFinito(x);
}

bool Calcola(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra) {
    if (!LeggeDatiControllati(v, sisma, finestra)) return false;
    for (int voce : {2, 4, 5}) finestra.AbilitaVoceFile(voce);

    CalcolaGeometria(v);
    CombinazioniRibaltamento(v, sisma);
    CombinazioniScorrimento(v, sisma);
    CombinazioniPortata(v, sisma);
    CombinazioniParete(v, sisma);
    VerificaRisultatiFiniti(v);

    ScriveRisultatiStabilita(v, finestra, v.CombGravosaRibaltamento, v.CombGravosaScorrimento,
                             v.CombGravosaPortata);
    ScriveRisultatiParete(v, finestra, v.CombGravosaParete);
    if (v.Normativa != NormativaNTC2008) return true;
    finestra.AbilitaCombinazioni();
    finestra.SelezionaCombinazione(0);
    finestra.TipoVerificaSettaggi(false);
    return true;
}

}  // namespace

bool LeggeDatiControllati(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra) {
    try {
        finestra.LeggeDatiDaForm(v, sisma);
    } catch (const ErroreDatiForm& e) {
        // A field that is not a number: the message names it.
        messaggi().mostra(e.messaggio().empty() ? MessaggioErrore : e.messaggio(), Icona::Critico);
        return false;
    }
    if (v.nLatiTerreno < 1) {
        messaggi().mostra("Inserire profilo terreno", Icona::Critico);
        finestra.FuocoSuNumeroLati();
        return false;
    }
    for (Controllo controllo : Controlli) {
        const std::string difetto = controllo(v);
        if (difetto.empty()) continue;
        messaggi().mostra(difetto, Icona::Critico);
        return false;
    }
    return true;
}

bool CalcoloMain(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra) {
    // Until the run ends well the state holds no results of its inputs.
    NuovaGenerazione(v);
    try {
        if (!Calcola(v, sisma, finestra)) return false;
        SegnaRisultati(v, sisma);
        return true;
    } catch (const ErroreRicercaSpinta& e) {
        // The thrust search names the data that leave it without a maximum.
        messaggi().mostra(e.what(), Icona::Critico);
        return false;
    } catch (const std::exception&) {
        // Every other run-time error inside the calculation: a field that
        // cannot be read, a calculation error, a subscript out of its range,
        // or whatever a routine called from here raises.
    }
    messaggi().mostra(MessaggioErrore, Icona::Critico);
    return false;
}

}  // namespace tavo
