#include "fileio/FileSuDisco.h"

#include "ports/MessagePort.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace tavo {

std::string TestoPercorso(const std::filesystem::path& percorso) {
    const std::u8string u = percorso.u8string();
    return std::string(u.begin(), u.end());
}

std::string LeggeFileIntero(const std::filesystem::path& percorso) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) {
        // The user sees which file was looked for, wherever the program runs.
        const std::filesystem::path assoluto = std::filesystem::absolute(percorso, ec);
        throw ErroreFile("File " + TestoPercorso(ec ? percorso : assoluto) + " non trovato ");
    }
    std::ifstream in;
    if (!std::filesystem::is_directory(percorso, ec)) in.open(percorso, std::ios::binary);
    if (!in.is_open()) throw ErroreFile("Impossibile leggere il file " + TestoPercorso(percorso));
    std::string byte(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) throw ErroreFile("Impossibile leggere il file " + TestoPercorso(percorso));
    return byte;
}

void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte) {
    ScriveFileIntero(percorso, byte, {});
}

void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte,
                      const std::function<void(const std::filesystem::path&)>& primaDiSostituire) {
    std::filesystem::path temporaneo = percorso;
    temporaneo += ".tmp";
    std::error_code ec;
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        if (!out) throw ErroreFile("impossibile creare il file " + TestoPercorso(temporaneo) + ".");
        out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporaneo, ec);
            throw ErroreFile("impossibile scrivere il file " + TestoPercorso(temporaneo) + ".");
        }
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

bool LeggeFileRighe(const std::filesystem::path& percorso, const std::function<void(FileRighe&)>& leggi,
                    FileRighe::Lettura lettura) {
    std::string byte;
    try {
        byte = LeggeFileIntero(percorso);
    } catch (const ErroreFile& e) {
        messaggi().mostra(e.what());
        return false;
    }
    try {
        FileRighe file(byte, lettura);
        leggi(file);
        return true;
    } catch (const ErroreFile& e) {
        messaggi().mostra("Lettura incompleta del file " + TestoPercorso(percorso) + "\r\n" + e.what());
        return false;
    }
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
