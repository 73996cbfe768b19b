#pragma once
// An error of an output target (no open DXF file, no CAD connection, an
// automation call that failed), with the run-time error number and text the
// output driver shows; and the messages held while a drawing is made.

#include "ports/MessagePort.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavo {

class ErroreUscita : public std::runtime_error {
public:
    ErroreUscita(int numero, const std::string& descrizione)
        : std::runtime_error(descrizione), numero_(numero) {}
    int numero() const { return numero_; }

private:
    int numero_;
};

// The errors the primitives raise when their target is missing.
ErroreUscita ErroreFileDxfNonAperto();      // 52, as writing to a file number not open
ErroreUscita ErroreOggettoNonImpostato();   // 91, as a missing object

// While it lives, the messages that the routines of a drawing raise are
// held instead of shown, and their questions answered No: a paint never
// shows one, and the output driver reports at most one per command. Only
// the first message is kept.
class MessaggiTrattenuti final : public MessagePort {
public:
    struct Messaggio {
        std::string testo;
        Icona icona = Icona::Nessuna;
        std::string titolo;
    };

    MessaggiTrattenuti() : guardia_(*this) {}
    void mostra(std::string_view testo, Icona icona, std::string_view titolo) override;
    bool chiedi(std::string_view testo, Icona icona, std::string_view titolo) override;
    const std::optional<Messaggio>& primo() const { return primo_; }

private:
    std::optional<Messaggio> primo_;
    PortaMessaggiInstallata guardia_;
};

}  // namespace tavo
