#include "fileio/FileRighe.h"

#include "fileio/Cp1252.h"
#include "fileio/NumeriTesto.h"
#include "fileio/Utf8.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace tavo {
namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view DueUno = "\x01\x01";

bool Bianco(char c) { return c == ' ' || c == '\t'; }

// The file's text in UTF-8: Windows-1252 unless a UTF-8 byte-order mark
// says otherwise (a file saved by a text editor); damaged UTF-8 is mended
// character by character rather than refused.
std::string TestoDelFile(std::string_view byte) {
    if (!byte.starts_with(Bom)) return DaCp1252(byte);
    byte.remove_prefix(Bom.size());
    std::string testo;
    for (std::size_t pos = 0; pos < byte.size();) AccodaUtf8(testo, LeggeUtf8(byte, pos));
    return testo;
}

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        const std::size_t dopo = fine == std::string::npos ? testo.size() : fine + 1;
        if (fine == std::string::npos) fine = testo.size();
        if (fine > inizio && testo[fine - 1] == '\r') --fine;
        righe.emplace_back(testo, inizio, fine - inizio);
        inizio = dopo;
    }
    return righe;
}

std::string RipristinaAcapo(std::string testo) {
    for (std::size_t p = testo.find(DueUno); p != std::string::npos; p = testo.find(DueUno, p + 2)) {
        testo.replace(p, 2, "\r\n");
    }
    return testo;
}

std::size_t SaltaBianchi(std::string_view riga, std::size_t i) {
    while (i < riga.size() && Bianco(riga[i])) ++i;
    return i;
}

// The text of the quoted field that starts at riga[i] (after blanks), and
// the position after its closing quote; nothing when there is none.
std::optional<std::pair<std::string, std::size_t>> CampoTraVirgolette(std::string_view riga, std::size_t i) {
    i = SaltaBianchi(riga, i);
    if (i >= riga.size() || riga[i] != '"') return std::nullopt;
    const std::size_t chiusa = riga.find('"', i + 1);
    if (chiusa == std::string_view::npos) return std::nullopt;
    return std::pair{std::string(riga.substr(i + 1, chiusa - i - 1)), chiusa + 1};
}

// A format version: digits, or digits separated by single points ("2.1").
bool Versione(std::string_view v) {
    if (v.empty() || v.front() == '.' || v.back() == '.' || v.find("..") != std::string_view::npos) return false;
    return v.find_first_not_of("0123456789.") == std::string_view::npos;
}

// The header pair of `riga`: a quoted title, then a comma and a quoted
// version, blanks allowed around the fields; a title alone gives the
// version "0", as the files of the first releases hold it.
std::optional<std::pair<std::string, std::string>> CoppiaTestata(std::string_view riga) {
    const auto titolo = CampoTraVirgolette(riga, 0);
    if (!titolo) return std::nullopt;
    std::size_t i = SaltaBianchi(riga, titolo->second);
    if (i == riga.size()) return std::pair{titolo->first, std::string("0")};
    if (riga[i] != ',') return std::nullopt;
    const auto versione = CampoTraVirgolette(riga, i + 1);
    if (!versione || SaltaBianchi(riga, versione->second) != riga.size() || !Versione(versione->first))
        return std::nullopt;
    return std::pair{titolo->first, versione->first};
}

std::string NonNumero(std::size_t k, const std::string& testo, std::string_view cosa) {
    return "il campo " + std::to_string(k) + " (\"" + testo + "\") " + std::string(cosa) + ".";
}

}  // namespace

std::string SostituisceAcapo(std::string_view testo) {
    std::string risultato;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\r' || testo[i] == '\n') {
            if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
            risultato += DueUno;
        } else {
            risultato += testo[i];
        }
    }
    return risultato;
}

std::string EstraeCampoStringa(std::string& riga) {
    const std::size_t chiusa = riga.find('"', 1);
    if (chiusa == std::string::npos) {
        throw ErroreFile("manca la virgoletta di chiusura di un testo.");
    }
    std::string campo = RipristinaAcapo(riga.substr(1, chiusa - 1));
    riga = chiusa + 2 <= riga.size() ? riga.substr(chiusa + 2) : std::string();
    return campo;
}

FileRighe::FileRighe(std::string_view contenuto, Lettura lettura)
    : modo_(Modo::Lettura), lettura_(lettura), righe_(Righe(TestoDelFile(contenuto))) {}

FileRighe::FileRighe() : modo_(Modo::Scrittura) {}

void FileRighe::Errore(const std::string& dettaglio, int riga) const {
    throw ErroreFile("Riga " + std::to_string(riga) + ": " + dettaglio);
}

void FileRighe::VerificaIntervallo(long v, long minimo, long massimo) const {
    if (v < minimo || v > massimo) {
        Errore("il valore " + std::to_string(v) + " è fuori dai limiti (" + std::to_string(minimo) +
               ".." + std::to_string(massimo) + ").");
    }
}

std::string_view FileRighe::ProssimaRiga() {
    if (inRiga_) {
        inRiga_ = false;
        return std::string_view(righe_[prossima_ - 1]).substr(colonna_);
    }
    if (prossima_ >= righe_.size()) Errore("il file finisce prima del previsto.", riga_ + 1);
    riga_ = static_cast<int>(++prossima_);
    return righe_[prossima_ - 1];
}

FileRighe::Campo FileRighe::CampoInFlusso() {
    if (!inRiga_) {
        ProssimaRiga();
        inRiga_ = true;
        colonna_ = 0;
    }
    const std::string& riga = righe_[prossima_ - 1];
    std::size_t i = colonna_;
    while (i < riga.size() && Bianco(riga[i])) ++i;
    Campo c;
    std::size_t dopo;
    if (i < riga.size() && riga[i] == '"') {
        const std::size_t chiusa = riga.find('"', i + 1);
        if (chiusa == std::string::npos) Errore("manca la virgoletta di chiusura di un testo.");
        c = {riga.substr(i + 1, chiusa - i - 1), true};
        dopo = chiusa + 1;
        while (dopo < riga.size() && Bianco(riga[dopo])) ++dopo;
        if (dopo < riga.size() && riga[dopo] != ',') {
            Errore("c'è del testo dopo la virgoletta di chiusura di un testo.");
        }
    } else {
        dopo = std::min(riga.find(',', i), riga.size());
        std::size_t fine = dopo;
        while (fine > i && Bianco(riga[fine - 1])) --fine;
        c = {riga.substr(i, fine - i), false};
    }
    if (dopo < riga.size()) colonna_ = dopo + 1;
    else inRiga_ = false;
    return c;
}

std::vector<FileRighe::Campo> FileRighe::Campi(std::size_t quanti) {
    std::vector<Campo> campi;
    if (lettura_ == Lettura::Flusso) {
        for (std::size_t k = 0; k < quanti; ++k) campi.push_back(CampoInFlusso());
        return campi;
    }
    ProssimaRiga();
    inRiga_ = true;
    colonna_ = 0;
    do {
        campi.push_back(CampoInFlusso());
    } while (inRiga_);
    if (campi.size() != quanti) {
        Errore("il numero dei campi è " + std::to_string(campi.size()) + " invece di " +
               std::to_string(quanti) + ".");
    }
    return campi;
}

void FileRighe::Converte(const Campo& c, std::size_t k, float& v) const {
    double d = 0;
    Converte(c, k, d);  // an empty field, or a field that is no number at all
    // Read again as a float, so that the shortest text of a float written by
    // this program comes back as exactly that float.
    const auto f = c.testo.empty() ? std::optional<float>(0.0f) : NumeroFloat(c.testo);
    if (!f) Errore(NonNumero(k, c.testo, "è fuori dai limiti di un numero in singola precisione"));
    v = *f;
}

void FileRighe::Converte(const Campo& c, std::size_t k, double& v) const {
    if (c.testo.empty() && !c.virgolette) {
        v = 0;
        return;
    }
    const auto d = c.virgolette ? std::nullopt : NumeroDouble(c.testo);
    if (!d) Errore(NonNumero(k, c.testo, "non è un numero valido"));
    v = *d;
}

void FileRighe::Converte(const Campo& c, std::size_t k, std::int16_t& v) const {
    double d = 0;
    Converte(c, k, d);
    // Rounded to the nearest integer, a half to the even one, as VB stores a
    // number into an Integer.
    const double r = std::nearbyint(d);
    if (r < -32768 || r > 32767) Errore(NonNumero(k, c.testo, "è fuori dai limiti di un numero intero"));
    v = static_cast<std::int16_t>(r);
}

void FileRighe::Converte(const Campo& c, std::size_t k, bool& v) const {
    if (!c.virgolette && (c.testo == "#TRUE#" || c.testo == "#FALSE#")) {
        v = c.testo == "#TRUE#";
        return;
    }
    double d = 0;
    if (c.virgolette || !(c.testo.empty() || NumeroDouble(c.testo))) {
        Errore(NonNumero(k, c.testo, "non è un valore logico (#TRUE# o #FALSE#)"));
    }
    Converte(c, k, d);
    v = d != 0;
}

void FileRighe::Converte(const Campo& c, std::size_t, std::string& v) const {
    v = RipristinaAcapo(c.testo);
}

void FileRighe::ScriveTesto(std::size_t k, std::string_view campo) {
    if (k > 1) rigaScritta_ += ',';
    rigaScritta_ += campo;
}

void FileRighe::VerificaFinito(std::size_t k, double v) const {
    if (!std::isfinite(v)) {
        Errore("il valore del campo " + std::to_string(k) + " non è un numero finito.", riga_ + 1);
    }
}

void FileRighe::Scrive(std::size_t k, float v) {
    VerificaFinito(k, v);
    ScriveTesto(k, TestoNumero(v));
}

void FileRighe::Scrive(std::size_t k, double v) {
    VerificaFinito(k, v);
    ScriveTesto(k, TestoNumero(v));
}

void FileRighe::Scrive(std::size_t k, std::int16_t v) { ScriveTesto(k, std::to_string(v)); }

void FileRighe::Scrive(std::size_t k, bool v) { ScriveTesto(k, v ? "#TRUE#" : "#FALSE#"); }

void FileRighe::Scrive(std::size_t k, const std::string& v) {
    // The format has no escape for a double quote: it would end the field and
    // shift what follows, so it is written as an apostrophe.
    std::string testo = SostituisceAcapo(v);
    for (char& c : testo) {
        if (c == '"') c = '\'';
    }
    ScriveTesto(k, "\"" + testo + "\"");
}

void FileRighe::FineRiga() {
    scritto_ += ACp1252(rigaScritta_);
    scritto_ += "\r\n";
    rigaScritta_.clear();
    ++riga_;
}

void FileRighe::FileInOutStringColl(std::vector<std::string>& coll) {
    if (modo_ == Modo::Scrittura) {
        if (coll.empty()) Errore("nessun testo da scrivere.", riga_ + 1);
        std::size_t k = 0;
        for (const std::string& item : coll) Scrive(++k, item);
        FineRiga();
        return;
    }
    std::string resto(ProssimaRiga());
    std::vector<std::string> nuova;
    if (!resto.starts_with('"')) {
        nuova.push_back(resto);
    } else {
        try {
            while (!resto.empty()) nuova.push_back(EstraeCampoStringa(resto));
        } catch (const ErroreFile& e) {
            Errore(e.what());
        }
    }
    coll = std::move(nuova);
}

void FileRighe::FileInOutDueValori(std::string& primo, std::string& secondoLetto,
                                   std::string_view secondoDaScrivere) {
    if (modo_ == Modo::Scrittura) {
        std::vector<std::string> coll{primo, std::string(secondoDaScrivere)};
        FileInOutStringColl(coll);
        return;
    }
    // Read strictly: a quote missing or one too many would shift the fields
    // and read a version that the file does not hold, and with it another
    // code in force.
    const auto coppia = CoppiaTestata(ProssimaRiga());
    if (!coppia) Errore("non contiene un titolo e una versione tra virgolette.");
    primo = RipristinaAcapo(coppia->first);
    secondoLetto = coppia->second;
}

}  // namespace tavo
