#pragma once
// The file-level work of the File menu (new, open, save, save as) and the
// project named on the command line. It knows nothing of the project's
// content: it chooses the file, hands it to the document, and keeps the
// current file name and the data folder up to date.
//
// The data folder is the folder of the last project opened or saved (the
// current folder after "new"); the dialogs start there. The process's current folder is never changed.

#include "fileio/ImpostazioniInternazionali.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// What a file dialog is asked to show.
struct RichiestaDialogoFile {
    std::string filtro;  // description|pattern pairs, as FiltroDialogoFile gives them
    int indiceFiltro = 1;  // 1-based entry preselected
    std::filesystem::path cartella;  // initial folder
    std::string nomeIniziale;
    std::string estensione;  // given to a name typed without one
};

// The open and save dialogs; nothing when the user cancels.
class DialogoFile {
public:
    virtual ~DialogoFile() = default;
    virtual std::optional<std::filesystem::path> sceltaApertura(const RichiestaDialogoFile& r) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<std::filesystem::path> sceltaSalvataggio(const RichiestaDialogoFile& r) = 0;
};

// The project as the file operations see it. Both calls report their own
// failures to the user; a failed read leaves the project as it was, a
// failed write leaves the old file as it was.
class DocumentoFile {
public:
    virtual ~DocumentoFile() = default;
    virtual bool leggeProgetto(const std::filesystem::path& file) = 0;
    virtual bool scriveProgetto(const std::filesystem::path& file) = 0;
};

enum class EsitoFile { Fatto, Annullato, Fallito };

// Operations of OperazioneFile.
enum class OperazioneFileTipo { Nuovo = 0, Apri = 1, SalvaConNome = 2, Salva = 3 };

class GestioneFile {
public:
    GestioneFile(std::string descrizione, std::string estensione, Ambiente& cartelle,
                 DocumentoFile& documento, DialogoFile& dialogo);

    // Base name of the current project file; empty for a project without a file.
    const std::string& NomeFileBreve() const { return nomeFileBreve_; }

    // Opens the project that the command line names. True when one was read.
    bool ApriFileRigaComando(std::string_view rigaComando);

    // One operation of the File menu. `cartella` is the dialog's initial
    // folder (the data folder when none is given).
    EsitoFile OperazioneFile(OperazioneFileTipo op,
                             const std::optional<std::filesystem::path>& cartella = {});

    // "Files di Esempio": the open dialog in the program's folder; the data
    // folder stays what it was, so that a later Save does not write over
    // the bundled examples.
    EsitoFile ApriFileEsempio();

private:
    RichiestaDialogoFile Richiesta(const std::optional<std::filesystem::path>& cartella) const;
    EsitoFile Apri(const std::optional<std::filesystem::path>& cartella);
    EsitoFile SalvaConNome(const std::optional<std::filesystem::path>& cartella);
    EsitoFile Salva();
    // Reads `file` and, only when the whole project was read, makes it the
    // current file.
    bool LeggeEAdotta(const std::filesystem::path& file);

    std::string descrizione_;
    std::string estensione_;
    Ambiente& cartelle_;
    DocumentoFile& documento_;
    DialogoFile& dialogo_;
    std::string nomeFileBreve_;
};

}  // namespace tavo
