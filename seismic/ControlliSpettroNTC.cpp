#include "seismic/ControlliSpettroNTC.h"

#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"
#include "seismic/AzioneSismica.h"

#include <utility>

namespace tavo {

std::string ListaScelte::testo() const {
    if (posizione < 0 || posizione >= static_cast<int>(voci.size())) return {};
    return voci[static_cast<std::size_t>(posizione)];
}

void RiempieCmbSuolo(ControlliSpettroNTC& c) {
    c.cmbSuolo = {};
    c.testoSuolo = "?";
    c.cmbSuolo.voci = {"A", "B", "C", "D", "E"};
}

void ScriveDatiNTCInForm(const NTC& s, ControlliSpettroNTC& c, const Separatori& sep, bool mantieniSuolo) {
    if (!mantieniSuolo) RiempieCmbSuolo(c);
    const char d = DecimaleAscii(sep);
    c.txtNTC[0] = TestoRegionale(s.VR, sep);
    c.txtNTC[3] = TestoRegionale(s.hSuH, sep);
    c.txtNTC[4] = FormatoNTC(s.St, d);
    c.txtNTC[1] = FormatoNTC(s.Ss, d);
    c.cmbStatoLimite.posizione = s.StatoLimite - 1;
    c.cmbSuolo.posizione = s.CategoriaSuolo - 1;
    c.cmbTopo.posizione = s.CategoriaTopografica - 1;
    c.txtNTC[5] = FormatoNTC(s.ag, d);
    c.txtNTC[6] = FormatoNTC(s.F0, d);
    c.txtNTC[7] = FormatoNTC(s.TcStar, d);
    c.txtNTC[8] = FormatoNTC(s.Amax, d);
}

void ScriveParametriTR(const NTC& s, ControlliSpettroNTC& c, const Separatori& sep) {
    const bool mostra = s.VR > 0 && s.StatoLimite >= 1;
    const char d = DecimaleAscii(sep);
    c.txtNTC[5] = mostra ? FormatoNTC(s.ag, d) : std::string{};
    c.txtNTC[6] = mostra ? FormatoNTC(s.F0, d) : std::string{};
    c.txtNTC[7] = mostra ? FormatoNTC(s.TcStar, d) : std::string{};
}

std::string DifettoDatiNTC(const ControlliSpettroNTC& c, const Separatori& sep) {
    for (auto [casella, etichetta] : {std::pair{0, EtichettaVR}, std::pair{3, EtichettahSuH}}) {
        const std::string& testo = c.txtNTC[static_cast<std::size_t>(casella)];
        if (!SingoloDigitato(testo, sep)) return RifiutoCasella(etichetta, MotivoNonNumero(testo, sep));
    }
    return {};
}

void CalcolaDaFormNTC(NTC& s, ControlliSpettroNTC& c, const Separatori& sep) {
    if (const std::string difetto = DifettoDatiNTC(c, sep); !difetto.empty()) throw ErroreCalcolo(difetto);
    NTC t = s;
    t.VR = ValoreSingolo(c.txtNTC[0], sep);
    t.hSuH = ValoreSingolo(c.txtNTC[3], sep);
    t.StatoLimite = static_cast<std::int16_t>(c.cmbStatoLimite.posizione + 1);
    t.CategoriaSuolo = static_cast<std::int16_t>(c.cmbSuolo.posizione + 1);
    t.CategoriaTopografica = static_cast<std::int16_t>(c.cmbTopo.posizione + 1);
    CalcolaAzioneSismica(t, [&](const NTC& r) { ScriveParametriTR(r, c, sep); });
    const char d = DecimaleAscii(sep);
    c.txtNTC[4] = FormatoNTC(t.St, d);
    c.txtNTC[1] = FormatoNTC(t.Ss, d);
    c.txtNTC[8] = FormatoNTC(t.Amax, d);
    c.txtNTC[9] = FormatoNTC(t.BetaM, d);
    c.txtNTC[10] = FormatoNTC(t.KhNTC, d);
    c.txtNTC[11] = FormatoNTC(t.KvNTC, d);
    t.TitoliSpettro[2] = "Spettro di progetto " + NomeStatoLimite(t);
    s = std::move(t);
}

namespace {

// The fields of `testo` between the separators `sep`.
std::vector<std::string_view> Campi(std::string_view testo, char sep) {
    std::vector<std::string_view> campi;
    for (std::size_t inizio = 0;;) {
        const std::size_t fine = testo.find(sep, inizio);
        campi.push_back(testo.substr(inizio, fine == std::string_view::npos ? fine : fine - inizio));
        if (fine == std::string_view::npos) return campi;
        inizio = fine + 1;
    }
}

std::string_view SenzaBlank(std::string_view t) {
    const auto primo = t.find_first_not_of(' ');
    if (primo == std::string_view::npos) return {};
    return t.substr(primo, t.find_last_not_of(' ') - primo + 1);
}

// A caption: the field without its alignment mark and the blanks around it.
std::string Titolo(std::string_view campo) {
    campo = SenzaBlank(campo);
    if (!campo.empty() && (campo.front() == '<' || campo.front() == '^' || campo.front() == '>'))
        campo.remove_prefix(1);
    return std::string(SenzaBlank(campo));
}

// The captions of one part, its corner cell left out.
std::vector<std::string> Titoli(std::string_view parte) {
    std::vector<std::string> titoli;
    const auto campi = Campi(parte, '|');
    for (std::size_t k = 1; k < campi.size(); ++k) titoli.push_back(Titolo(campi[k]));
    return titoli;
}

}  // namespace

TitoliGriglia LeggeTitoliGriglia(std::string_view formato) {
    const auto parti = Campi(formato, ';');
    if (parti.size() != 2) return {};
    return {Titoli(parti[0]), Titoli(parti[1])};
}

float ValoreSingolo(const std::string& testo, const Separatori& sep) { return SingoloDigitato(testo, sep).value_or(0); }

}  // namespace tavo
