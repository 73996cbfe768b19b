#pragma once
// The municipality file, NTCcomuni.dat: byte records, no header. A string is
// a 16-bit little-endian length and that many Windows-1252 characters; a
// number is a little-endian 32-bit float.
//
//   section 1  province records: region name, province name, province key;
//              the records of one region are consecutive, regions in the
//              order of the window's list; ends with a record whose first
//              string is "REGIONI" (the other two are ignored)
//   section 2  up to the end of the file, municipality records: province
//              key, name, longitude, latitude (decimal degrees); the
//              municipalities of one province form one run

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

inline constexpr const char* NomeFileComuni = "NTCcomuni.dat";

struct ComuneNTC {
    std::string Nome;
    float Longitudine = 0;
    float Latitudine = 0;
    friend bool operator==(const ComuneNTC&, const ComuneNTC&) = default;
};

// What the site window keeps of the file: region i of Regioni is entry i of
// ProvinceRegione and ChiaviRegione. Texts in UTF-8.
struct ElencoComuni {
    std::vector<std::string> Regioni;
    std::vector<std::vector<std::string>> ProvinceRegione;
    std::vector<std::vector<std::string>> ChiaviRegione;
    std::map<std::string, std::vector<ComuneNTC>> ComuniProvincia;
    friend bool operator==(const ElencoComuni&, const ElencoComuni&) = default;
};

// Reads the file's bytes. A region whose records are not consecutive is
// listed twice; a province key that comes as two runs keeps both, the second
// after the first. Throws ErroreFile when a record is cut short, a string
// runs past the end, a number is not finite or the "REGIONI" record is
// missing.
ElencoComuni LeggeComuni(std::string_view byte);

// The bytes of the file for `elenco`: the provinces in list order, then the
// municipalities province by province in the same order, each key's run
// once, then the runs of keys that no province lists.
std::string CodificaComuni(const ElencoComuni& elenco);

// Reads the file into `elenco`. On a missing or damaged file it shows one
// message naming the file, leaves `elenco` empty and returns false.
bool LeggeFileComuni(const std::filesystem::path& file, ElencoComuni& elenco);

}  // namespace tavo
