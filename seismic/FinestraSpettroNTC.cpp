#include "seismic/FinestraSpettroNTC.h"

#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"
#include "seismic/AzioneSismica.h"
#include "seismic/InterpolazioneSito.h"

#include <optional>

namespace tavo {
namespace {

// Whether k is the 1-based number of an entry of v.
template <class T>
bool InElenco(int k, const std::vector<T>& v) {
    return k >= 1 && static_cast<std::size_t>(k) <= v.size();
}

template <class T>
const T& Elemento(const std::vector<T>& v, int k) {
    return v[static_cast<std::size_t>(k - 1)];
}

}  // namespace

FinestraSpettroNTC::FinestraSpettroNTC(NTC& modulo, std::filesystem::path cartellaDati, const Separatori& sep,
                                       DisegniSito& disegni, std::function<void()> consegnaCoefficienti)
    : modulo_(modulo),
      cartellaDati_(std::move(cartellaDati)),
      sep_(sep),
      disegni_(disegni),
      consegnaCoefficienti_(std::move(consegnaCoefficienti)) {}

// ---- Opening and closing ---------------------------------------------------------

void FinestraSpettroNTC::Form_Load() {
    Caricamento = true;
    Annullato = false;
    daChiudere_ = false;
    comuneScomparso_ = false;
    c.okAbilitato = true;
    statoIniziale_ = modulo_;
    TipoRicerca = modulo_.TipoRicerca;
    LonSito = modulo_.Longitudine;
    LatSito = modulo_.Latitudine;
    IndiceIsola = modulo_.IndiceIsola;
    IndiceRegione = modulo_.IndiceRegione;
    IndiceProvincia = modulo_.IndiceProvincia;
    IndiceComune = modulo_.IndiceComune;
    IntestaGrigliaNTC();
    ScriveDatiNTCInForm(modulo_, c, sep_);
    Caricamento = false;
    CalcolaSpettro();
}

void FinestraSpettroNTC::Form_Activate() {
    if (Caricamento) return;
    optTipoRicerca_Click(TipoRicerca);
}

void FinestraSpettroNTC::cmdOK_Click(int indice) {
    if (indice == 0) {
        if (!DatiDigitatiAccettati()) return;
        AccettaSito();
    } else {
        Annulla();
    }
    daChiudere_ = true;
}

void FinestraSpettroNTC::Form_Unload() {
    if (Annullato) return;
    // Closing accepts as "OK" does, and cancels where "OK" would not accept.
    if (DatiDigitatiAccettati())
        AccettaSito();
    else
        Annulla();
}

bool FinestraSpettroNTC::DatiDigitatiAccettati() {
    // Coordinates typed and not yet searched are searched now: "OK" hands
    // over the site of the coordinates shown, or none.
    if (TipoRicerca == RicercaCoordinate && c.coordinateModificabili && c.txtCoord != coordinateLette_)
        LeggeCoordinate();
    if (!c.okAbilitato) return false;
    if (const std::string difetto = DifettoDatiNTC(c, sep_); !difetto.empty()) {
        messaggi().mostra(difetto, Icona::Critico);
        return false;
    }
    // VR and h/H as the boxes show them, typed with Enter or not.
    CalcolaSpettro();
    return true;
}

void FinestraSpettroNTC::Annulla() {
    Annullato = true;
    // Whatever the window computed goes: the main window's kh and kv and
    // the next saved project must keep agreeing with the state.
    modulo_ = statoIniziale_;
}

void FinestraSpettroNTC::AccettaSito() {
    Annullato = false;
    modulo_.TipoRicerca = TipoRicerca;
    modulo_.Longitudine = LonSito;
    modulo_.Latitudine = LatSito;
    modulo_.IndiceIsola = IndiceIsola;
    modulo_.IndiceRegione = IndiceRegione;
    modulo_.IndiceProvincia = IndiceProvincia;
    modulo_.IndiceComune = IndiceComune;
    if (TipoRicerca == RicercaComune && !comuneScomparso_) {
        const int provincia = c.cmbComune[1].posizione + 1;
        if (InElenco(provincia, ChiaviProvince))
            modulo_.NomeComune = c.cmbComune[2].testo() + " (" + Elemento(ChiaviProvince, provincia) + ")";
    } else if (TipoRicerca == RicercaIsola) {
        modulo_.NomeIsola = c.cmbIsole.testo();
    }
    if (consegnaCoefficienti_) consegnaCoefficienti_();
}

// ---- Search modes ----------------------------------------------------------------

void FinestraSpettroNTC::optTipoRicerca_Click(int m) {
    if (Caricamento || m < RicercaCoordinate || m > RicercaIsola) return;
    TipoRicerca = static_cast<std::int16_t>(m);
    c.optTipoRicerca = m;
    c.comuniVisibili = false;
    c.isoleVisibili = false;
    c.coordinateModificabili = false;
    switch (m) {
        case RicercaCoordinate:
            c.txtCoord = {TestoRegionale(LonSito, sep_), TestoRegionale(LatSito, sep_)};
            coordinateLette_ = c.txtCoord;
            CercaSito(LonSito, LatSito);
            CalcolaSpettro();
            c.coordinateModificabili = true;
            c.fuoco = FuocoSito::Longitudine;
            break;
        case RicercaComune: {
            c.comuniVisibili = true;
            Caricamento = true;
            LeggeFileComuni();
            for (std::int16_t* indice : {&IndiceRegione, &IndiceProvincia, &IndiceComune})
                if (*indice == 0) *indice = 1;
            const bool ritrovato = RitrovaComuneSalvato();
            comuneScomparso_ = !ritrovato;
            c.cmbComune[0].posizione = InElenco(IndiceRegione, comuni_.Regioni) ? IndiceRegione - 1 : -1;
            CaricaProvinceRegione(IndiceRegione);
            c.cmbComune[1].posizione = InElenco(IndiceProvincia, ChiaviProvince) ? IndiceProvincia - 1 : -1;
            CaricaComuniProvincia(IndiceProvincia);
            c.cmbComune[2].posizione = InElenco(IndiceComune, CoordinateComuni) ? IndiceComune - 1 : -1;
            Caricamento = false;
            if (ritrovato) {
                ImpostaCoordinateComune(IndiceComune);
            } else {
                c.txtCoord = {TestoRegionale(LonSito, sep_), TestoRegionale(LatSito, sep_)};
                CercaSito(LonSito, LatSito);
                CalcolaSpettro();
            }
            break;
        }
        default:
            disegni_.RipristinaMappa();
            c.isoleVisibili = true;
            LeggeFileIsole();
            disegni_.CancellaNodi();
            break;
    }
}

// ---- Municipalities --------------------------------------------------------------

void FinestraSpettroNTC::LeggeFileComuni() {
    tavo::LeggeFileComuni(cartellaDati_ / NomeFileComuni, comuni_);
    c.cmbComune[0] = {comuni_.Regioni, -1};
    ChiaviProvince.clear();
    CoordinateComuni.clear();
}

std::string FinestraSpettroNTC::EtichettaComune(int regione, int provincia, int comune) const {
    const auto& chiave = Elemento(Elemento(comuni_.ChiaviRegione, regione), provincia);
    const auto trovati = comuni_.ComuniProvincia.find(chiave);
    if (trovati == comuni_.ComuniProvincia.end() || !InElenco(comune, trovati->second)) return {};
    return Elemento(trovati->second, comune).Nome + " (" + chiave + ")";
}

bool FinestraSpettroNTC::RitrovaComuneSalvato() {
    if (comuni_.Regioni.empty()) return true;
    const std::string& salvato = modulo_.NomeComune;
    const std::string etichetta =
        InElenco(IndiceRegione, comuni_.Regioni) &&
                InElenco(IndiceProvincia, Elemento(comuni_.ChiaviRegione, IndiceRegione))
            ? EtichettaComune(IndiceRegione, IndiceProvincia, IndiceComune)
            : std::string{};
    const bool inElenco = !etichetta.empty();
    if (salvato.empty() || etichetta == salvato) {
        if (!inElenco) IndiceRegione = IndiceProvincia = IndiceComune = 1;
        return true;
    }
    // The saved positions come from a municipality file of another year:
    // look for the municipality by its name and province key.
    for (int r = 1; InElenco(r, comuni_.Regioni); ++r)
        for (int p = 1; InElenco(p, Elemento(comuni_.ChiaviRegione, r)); ++p)
            for (int k = 1;; ++k) {
                const std::string e = EtichettaComune(r, p, k);
                if (e.empty()) break;
                if (e != salvato) continue;
                IndiceRegione = static_cast<std::int16_t>(r);
                IndiceProvincia = static_cast<std::int16_t>(p);
                IndiceComune = static_cast<std::int16_t>(k);
                return true;
            }
    messaggi().mostra("Il comune " + salvato +
                          " non è più nell'elenco dei comuni: il sito resta alle coordinate salvate.",
                      Icona::Esclamazione);
    if (!inElenco) IndiceRegione = IndiceProvincia = IndiceComune = 1;
    return false;
}

void FinestraSpettroNTC::CaricaProvinceRegione(int k) {
    const bool c1 = InElenco(k, comuni_.ProvinceRegione) && InElenco(k, comuni_.ChiaviRegione);
    c.cmbComune[1] = {c1 ? Elemento(comuni_.ProvinceRegione, k) : std::vector<std::string>{}, -1};
    ChiaviProvince = c1 ? Elemento(comuni_.ChiaviRegione, k) : std::vector<std::string>{};
}

void FinestraSpettroNTC::CaricaComuniProvincia(int k) {
    if (ChiaviProvince.empty() || comuni_.ComuniProvincia.empty() || !InElenco(k, ChiaviProvince)) return;
    const auto trovati = comuni_.ComuniProvincia.find(Elemento(ChiaviProvince, k));
    c.cmbComune[2] = {};
    CoordinateComuni.clear();
    if (trovati == comuni_.ComuniProvincia.end()) return;
    for (const ComuneNTC& comune : trovati->second) {
        c.cmbComune[2].voci.push_back(comune.Nome);
        CoordinateComuni.emplace_back(comune.Longitudine, comune.Latitudine);
    }
    ImpostaPosizioneComune(2, 0);
}

void FinestraSpettroNTC::ImpostaPosizioneComune(int lista, int posizione) {
    ListaScelte& l = c.cmbComune[static_cast<std::size_t>(lista)];
    l.posizione = posizione < static_cast<int>(l.voci.size()) ? posizione : -1;
    cmbComune_Click(lista);
}

void FinestraSpettroNTC::ImpostaCoordinateComune(int k) {
    if (!InElenco(k, CoordinateComuni)) return;
    const auto [lon, lat] = Elemento(CoordinateComuni, k);
    c.txtCoord = {TestoRegionale(lon, sep_), TestoRegionale(lat, sep_)};
    CercaSito(lon, lat);
    CalcolaSpettro();
}

void FinestraSpettroNTC::cmbComune_Click(int indice) {
    if (Caricamento || indice < 0 || indice > 2) return;
    const int posizione = c.cmbComune[static_cast<std::size_t>(indice)].posizione;
    if (posizione < 0) return;
    switch (indice) {
        case 0:
            CaricaProvinceRegione(posizione + 1);
            ImpostaPosizioneComune(1, 0);
            IndiceRegione = static_cast<std::int16_t>(posizione + 1);
            break;
        case 1:
            CaricaComuniProvincia(posizione + 1);
            IndiceProvincia = static_cast<std::int16_t>(posizione + 1);
            break;
        default:
            comuneScomparso_ = false;
            IndiceComune = static_cast<std::int16_t>(posizione + 1);
            ImpostaCoordinateComune(IndiceComune);
            break;
    }
    CalcolaSpettro();
}

// ---- Islands ---------------------------------------------------------------------

void FinestraSpettroNTC::LeggeFileIsole() {
    tavo::LeggeFileIsole(cartellaDati_ / NomeFileIsole, isole_);
    c.cmbIsole = {isole_.Nomi, -1};
    if (IndiceIsola == 0) IndiceIsola = 1;
    if (!InElenco(IndiceIsola, isole_.Nomi)) return;
    c.cmbIsole.posizione = IndiceIsola - 1;
    cmbIsole_Click();
}

void FinestraSpettroNTC::cmbIsole_Click() {
    if (Caricamento) return;
    const int k = c.cmbIsole.posizione + 1;
    if (!InElenco(k, isole_.Nomi)) return;
    const auto isola = static_cast<std::size_t>(k - 1);
    for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
        modulo_.AgTR[i] = isole_.AgIsole[isola][i] / 10;
        modulo_.F0TR[i] = isole_.F0Isole[isola][i];
        modulo_.TcTR[i] = isole_.TcIsole[isola][i];
    }
    c.txtCoord = {};
    ScriveGrigliaNTC();
    c.okAbilitato = true;
    IndiceIsola = static_cast<std::int16_t>(k);
    CalcolaSpettro();
}

// ---- Coordinates and the site search ---------------------------------------------

void FinestraSpettroNTC::LeggeCoordinate(int confermata) {
    coordinateLette_ = c.txtCoord;
    std::array<std::optional<float>, 2> coordinate;
    for (std::size_t i = 0; i < coordinate.size(); ++i) coordinate[i] = SingoloDigitato(c.txtCoord[i], sep_);
    // 0 stands for no site (a new project's coordinates): typed in the box
    // confirmed it could not be told from none. The other box may still be
    // waiting for its value: then nothing is searched and nothing said.
    for (std::size_t i = 0; i < coordinate.size(); ++i) {
        if (confermata >= 0 && static_cast<std::size_t>(confermata) != i) continue;
        if (coordinate[i] && *coordinate[i] != 0) continue;
        NessunSitoCercato("Le coordinate indicate non sono valide: correggerle o premere Annulla.");
        c.fuoco = i == 0 ? FuocoSito::Longitudine : FuocoSito::Latitudine;
        messaggi().mostra(RifiutoCasella(EtichetteCoordinate[i], coordinate[i]
                                                                     ? "0 non può essere la coordinata di un sito."
                                                                     : MotivoNonNumero(c.txtCoord[i], sep_)),
                          Icona::Critico);
        return;
    }
    if (!coordinate[0] || !coordinate[1] || *coordinate[0] == 0 || *coordinate[1] == 0) {
        NessunSitoCercato("Indicare longitudine e latitudine del sito, o premere Annulla.");
        return;
    }
    LonSito = *coordinate[0];
    LatSito = *coordinate[1];
    CercaSito(LonSito, LatSito);
    CalcolaSpettro();
}

void FinestraSpettroNTC::NessunSitoCercato(const char* motivo) {
    // The table shown is no longer that of the coordinates shown: "OK"
    // waits for coordinates that can be searched.
    c.okAbilitato = false;
    c.suggerimentoOk = motivo;
}

void FinestraSpettroNTC::txtCoord_Invio(int indice) {
    if (Caricamento) return;
    c.fuoco = indice == 0 ? FuocoSito::Latitudine : FuocoSito::Longitudine;
    LeggeCoordinate(indice);
}

void FinestraSpettroNTC::txtCoord_LostFocus(int indice) {
    if (Caricamento || !c.coordinateModificabili || c.txtCoord == coordinateLette_) return;
    LeggeCoordinate(indice);
}

void FinestraSpettroNTC::CercaSito(float lon, float lat) {
    AzzeraNodi(Nodi);
    if (lon == 0 || lat == 0) return;
    const bool letto = CercaNodiReticolo(cartellaDati_ / NomeFileReticolo, lon, lat, Nodi);
    const int n = NumeroNodi(Nodi);
    const double dmin = DistanzaMinimaNodi(lon, lat, Nodi);
    disegni_.CancellaNodi();
    if (!letto) {
        // The grid file has already said what is wrong with it: no values
        // from a scan that did not reach its end, and no zeros either.
        AzzeraNodi(Nodi);
        RipristinaTabellaSalvata();
    } else if (n >= 3 || (n >= 1 && dmin < 0.009f)) {
        disegni_.DisegnaNodi(lon, lat, Nodi);
        InterpolaParametriSito(lon, lat, Nodi, modulo_);
        ScriveGrigliaNTC();
        c.okAbilitato = true;
    } else {
        disegni_.DisegnaNodi(lon, lat, Nodi);
        AzzeraParametriTR(modulo_);
        ScriveGrigliaNTC();
        c.okAbilitato = true;
        messaggi().mostra("Sito esterno al reticolo");
    }
    disegni_.DisegnaMappa(lon, lat);
}

void FinestraSpettroNTC::RipristinaTabellaSalvata() {
    modulo_.AgTR = statoIniziale_.AgTR;
    modulo_.F0TR = statoIniziale_.F0TR;
    modulo_.TcTR = statoIniziale_.TcTR;
    ScriveGrigliaNTC();
    c.okAbilitato = false;
    c.suggerimentoOk = "Il reticolo sismico non si può leggere: il sito del progetto resta com'era.";
}

void FinestraSpettroNTC::pctMappa_Click() {
    disegni_.DisegnaMappa(ValoreSingolo(c.txtCoord[0], sep_), ValoreSingolo(c.txtCoord[1], sep_));
}

// ---- Parameters and the table ----------------------------------------------------

void FinestraSpettroNTC::txtNTC_Invio(int indice) {
    if (Caricamento) return;
    if (indice == 3 && ValoreSingolo(c.txtNTC[3], sep_) > 1) c.txtNTC[3] = "1";
    CalcolaSpettro();
}

void FinestraSpettroNTC::cmbCategoria_Click() {
    if (Caricamento) return;
    CalcolaSpettro();
}

void FinestraSpettroNTC::CalcolaSpettro() {
    try {
        CalcolaDaFormNTC(modulo_, c, sep_);
        PeriodiSpettro(modulo_, TB, TC, TD);
    } catch (const ErroreCalcolo& e) {
        messaggi().mostra(e.what(), Icona::Critico);
    }
}

void FinestraSpettroNTC::IntestaGrigliaNTC() { c.intestazioneGriglia = IntestazioneGrigliaNTC; }

void FinestraSpettroNTC::ScriveGrigliaNTC() {
    for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
        c.GridNTC[i][0] = FormattaConDecimali(modulo_.AgTR[i], 3, sep_);
        c.GridNTC[i][1] = FormattaConDecimali(modulo_.F0TR[i], 3, sep_);
        c.GridNTC[i][2] = FormattaConDecimali(modulo_.TcTR[i], 3, sep_);
    }
}

}  // namespace tavo
