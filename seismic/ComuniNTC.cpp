#include "seismic/ComuniNTC.h"

#include "fileio/Cp1252.h"
#include "fileio/ErroreFile.h"
#include "fileio/FileSuDisco.h"
#include "seismic/ByteLE.h"

#include <cmath>
#include <limits>

namespace tavo {
namespace {

constexpr std::string_view FineProvince = "REGIONI";

// The file's bytes read front to back; every read checks what is left.
class Lettore {
public:
    explicit Lettore(std::string_view byte) : byte_(byte) {}

    bool finito() const { return pos_ == byte_.size(); }
    void nuovoRecord() { ++record_; }

    std::string stringa() {
        const std::size_t n = LeggeU16LE(prendi(2));
        return DaCp1252(std::string_view(prendi(n), n));
    }

    float numero() {
        const float v = LeggeFloatLE(prendi(4));
        if (!std::isfinite(v)) errore("numero non valido.");
        return v;
    }

private:
    const char* prendi(std::size_t n) {
        if (byte_.size() - pos_ < n) errore("dati troncati.");
        const char* p = byte_.data() + pos_;
        pos_ += n;
        return p;
    }

    [[noreturn]] void errore(const std::string& cosa) const {
        throw ErroreFile("Record " + std::to_string(record_) + ": " + cosa);
    }

    std::string_view byte_;
    std::size_t pos_ = 0;
    long record_ = 0;
};

void AccodaStringa(std::string& out, std::string_view utf8) {
    const std::string b = ACp1252(utf8);
    if (b.size() > std::numeric_limits<std::uint16_t>::max())
        throw ErroreFile("testo troppo lungo: " + std::string(utf8));
    AccodaU16LE(out, static_cast<std::uint16_t>(b.size()));
    out += b;
}

}  // namespace

ElencoComuni LeggeComuni(std::string_view byte) {
    Lettore in(byte);
    ElencoComuni e;

    // Section 1: the provinces, region by region.
    std::string regione = "AA";
    std::vector<std::string> nomi, chiavi;
    for (;;) {
        if (in.finito()) throw ErroreFile("manca il record \"REGIONI\" che chiude le province.");
        in.nuovoRecord();
        std::string r = in.stringa();
        std::string provincia = in.stringa();
        std::string chiave = in.stringa();
        if (r == FineProvince) {
            e.ProvinceRegione.push_back(std::move(nomi));
            e.ChiaviRegione.push_back(std::move(chiavi));
            break;
        }
        if (r != regione) {
            if (regione != "AA") {
                e.ProvinceRegione.push_back(std::move(nomi));
                e.ChiaviRegione.push_back(std::move(chiavi));
            }
            e.Regioni.push_back(r);
            regione = std::move(r);
            nomi.clear();
            chiavi.clear();
        }
        nomi.push_back(std::move(provincia));
        chiavi.push_back(std::move(chiave));
    }

    // Section 2: the municipalities, one run per province key. A key that
    // comes again later adds its run to the first one instead of replacing it.
    while (!in.finito()) {
        in.nuovoRecord();
        std::string chiave = in.stringa();
        ComuneNTC c;
        c.Nome = in.stringa();
        c.Longitudine = in.numero();
        c.Latitudine = in.numero();
        e.ComuniProvincia[chiave].push_back(std::move(c));
    }
    return e;
}

std::string CodificaComuni(const ElencoComuni& elenco) {
    std::string out;
    for (std::size_t r = 0; r < elenco.Regioni.size(); ++r)
        for (std::size_t p = 0; p < elenco.ChiaviRegione[r].size(); ++p) {
            AccodaStringa(out, elenco.Regioni[r]);
            AccodaStringa(out, elenco.ProvinceRegione[r][p]);
            AccodaStringa(out, elenco.ChiaviRegione[r][p]);
        }
    for (std::string_view s : {FineProvince, std::string_view{}, std::string_view{}}) AccodaStringa(out, s);
    for (const auto& chiavi : elenco.ChiaviRegione)
        for (const std::string& chiave : chiavi) {
            const auto trovati = elenco.ComuniProvincia.find(chiave);
            if (trovati == elenco.ComuniProvincia.end()) continue;
            for (const ComuneNTC& c : trovati->second) {
                AccodaStringa(out, chiave);
                AccodaStringa(out, c.Nome);
                AccodaFloatLE(out, c.Longitudine);
                AccodaFloatLE(out, c.Latitudine);
            }
        }
    return out;
}

bool LeggeFileComuni(const std::filesystem::path& file, ElencoComuni& elenco) {
    elenco = {};
    return LeggeFileByte(file, [&](std::string_view byte) { elenco = LeggeComuni(byte); });
}

}  // namespace tavo
