#include "seismic/ComuniNTC.h"

#include "fileio/Cp1252.h"
#include "fileio/ErroreFile.h"
#include "fileio/FileSuDisco.h"
#include "seismic/ByteLE.h"

#include <cmath>
#include <limits>
#include <set>
#include <utility>

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

    // Section 1: the provinces, region by region. The lists of a region are
    // closed by the next region or by the closing record; with no region
    // open there is nothing to close, so the three lists keep one length.
    std::vector<std::string> nomi, chiavi;
    auto chiudeRegione = [&] {
        if (e.Regioni.empty()) return;
        e.ProvinceRegione.push_back(std::exchange(nomi, {}));
        e.ChiaviRegione.push_back(std::exchange(chiavi, {}));
    };
    for (;;) {
        if (in.finito()) throw ErroreFile("manca il record \"REGIONI\" che chiude le province.");
        in.nuovoRecord();
        std::string r = in.stringa();
        std::string provincia = in.stringa();
        std::string chiave = in.stringa();
        if (r == FineProvince) break;
        if (e.Regioni.empty() || r != e.Regioni.back()) {
            chiudeRegione();
            e.Regioni.push_back(std::move(r));
        }
        nomi.push_back(std::move(provincia));
        chiavi.push_back(std::move(chiave));
    }
    chiudeRegione();

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
    // Each key's run once, so that the bytes read back to the same lists:
    // the keys in province order, then those that no province lists.
    std::set<std::string_view> scritte;
    auto scriveComuni = [&](const std::string& chiave) {
        const auto trovati = elenco.ComuniProvincia.find(chiave);
        if (trovati == elenco.ComuniProvincia.end() || !scritte.insert(chiave).second) return;
        for (const ComuneNTC& c : trovati->second) {
            AccodaStringa(out, chiave);
            AccodaStringa(out, c.Nome);
            AccodaFloatLE(out, c.Longitudine);
            AccodaFloatLE(out, c.Latitudine);
        }
    };
    for (const auto& chiavi : elenco.ChiaviRegione)
        for (const std::string& chiave : chiavi) scriveComuni(chiave);
    for (const auto& [chiave, comuni] : elenco.ComuniProvincia) scriveComuni(chiave);
    return out;
}

bool LeggeFileComuni(const std::filesystem::path& file, ElencoComuni& elenco) {
    elenco = {};
    return LeggeFileByte(file, [&](std::string_view byte) { elenco = LeggeComuni(byte); });
}

}  // namespace tavo
