#include "fileio/FileSuDisco.h"

#include "ports/MessagePort.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string_view>
#include <system_error>

namespace tavo {

std::string TestoPercorso(const std::filesystem::path& percorso) {
    const std::u8string u = percorso.u8string();
    return std::string(u.begin(), u.end());
}

void ApreFileInLettura(const std::filesystem::path& percorso, std::ifstream& in) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) {
        // The user sees which file was looked for, wherever the program runs.
        const std::filesystem::path assoluto = std::filesystem::absolute(percorso, ec);
        throw ErroreFile("File " + TestoPercorso(ec ? percorso : assoluto) + " non trovato ");
    }
    if (!std::filesystem::is_directory(percorso, ec)) in.open(percorso, std::ios::binary);
    if (!in.is_open()) throw ErroreFile("Impossibile leggere il file " + TestoPercorso(percorso));
}

std::string LeggeFileIntero(const std::filesystem::path& percorso) {
    std::ifstream in;
    ApreFileInLettura(percorso, in);
    std::string byte(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) throw ErroreFile("Impossibile leggere il file " + TestoPercorso(percorso));
    return byte;
}

namespace {

struct ChiudeFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileAperto = std::unique_ptr<std::FILE, ChiudeFile>;

// "<target>.<six letters or digits>.tmp": random, so that two writers (and
// the files a user keeps beside the target) never meet on one name.
std::filesystem::path NomeTemporaneo(const std::filesystem::path& percorso) {
    static constexpr std::string_view segni = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 caso{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> scelta(0, segni.size() - 1);
    std::string coda = ".";
    for (int i = 0; i < 6; ++i) coda += segni[scelta(caso)];
    coda += ".tmp";
    std::filesystem::path temporaneo = percorso;
    temporaneo += coda;
    return temporaneo;
}

// Creates a new temporary file beside the target, exclusively: a name that
// some file (or folder, or link) already has is never opened, another one is
// drawn instead. Throws ErroreFile naming the folder and the system's reason.
FileAperto CreaTemporaneo(const std::filesystem::path& percorso, std::filesystem::path& temporaneo) {
    int errore = 0;
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        temporaneo = NomeTemporaneo(percorso);
        errno = 0;
        // "x": created here and now, or not at all.
        if (std::FILE* f = std::fopen(temporaneo.c_str(), "wbx")) return FileAperto(f);
        errore = errno;
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(temporaneo, ec))) break;
    }
    std::error_code ec;
    std::filesystem::path cartella = std::filesystem::absolute(percorso, ec).parent_path();
    if (ec) cartella = percorso.parent_path();
    const std::string motivo =
        errore != 0 ? " (" + std::generic_category().message(errore) + ")" : std::string();
    throw ErroreFile("impossibile creare un file temporaneo nella cartella " + TestoPercorso(cartella) +
                     motivo + ".");
}

}  // namespace

void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte) {
    ScriveFileIntero(percorso, byte, {});
}

void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte,
                      const std::function<void(const std::filesystem::path&)>& primaDiSostituire) {
    std::filesystem::path temporaneo;
    FileAperto out = CreaTemporaneo(percorso, temporaneo);
    std::error_code ec;
    const bool scritto = std::fwrite(byte.data(), 1, byte.size(), out.get()) == byte.size();
    if (std::fclose(out.release()) != 0 || !scritto) {
        std::filesystem::remove(temporaneo, ec);
        throw ErroreFile("impossibile scrivere il file " + TestoPercorso(temporaneo) + ".");
    }
    if (primaDiSostituire) {
        try {
            primaDiSostituire(temporaneo);
        } catch (...) {
            std::filesystem::remove(temporaneo, ec);
            throw;
        }
    }
    std::filesystem::rename(temporaneo, percorso, ec);
    if (ec) {
        const std::string motivo = ec.message();
        std::filesystem::remove(temporaneo, ec);
        throw ErroreFile("impossibile sostituire il file (" + motivo + ").");
    }
}

bool LeggeFileByte(const std::filesystem::path& percorso, const std::function<void(std::string_view)>& leggi) {
    std::string byte;
    try {
        byte = LeggeFileIntero(percorso);
    } catch (const ErroreFile& e) {
        messaggi().mostra(e.what());
        return false;
    }
    try {
        leggi(byte);
        return true;
    } catch (const ErroreFile& e) {
        messaggi().mostra("Lettura incompleta del file " + TestoPercorso(percorso) + "\r\n" + e.what());
        return false;
    }
}

bool LeggeFileRighe(const std::filesystem::path& percorso, const std::function<void(FileRighe&)>& leggi,
                    FileRighe::Lettura lettura) {
    return LeggeFileByte(percorso, [&](std::string_view byte) {
        FileRighe file(byte, lettura);
        leggi(file);
    });
}

bool ScriveFileRighe(const std::filesystem::path& percorso, const std::function<void(FileRighe&)>& scrivi) {
    try {
        FileRighe file;
        scrivi(file);
        ScriveFileIntero(percorso, file.contenuto());
        return true;
    } catch (const ErroreFile& e) {
        messaggi().mostra("Scrittura incompleta del file " + TestoPercorso(percorso) + "\r\n" + e.what());
        return false;
    }
}

}  // namespace tavo
