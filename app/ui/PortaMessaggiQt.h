#pragma once
// The message port of the windows: every message of the core becomes a
// QMessageBox over the active window.

#include "ports/MessagePort.h"

namespace tavo {

class PortaMessaggiQt final : public MessagePort {
public:
    void mostra(std::string_view testo, Icona icona, std::string_view titolo) override;
    bool chiedi(std::string_view testo, Icona icona, std::string_view titolo) override;
    Risposta chiediOAnnulla(std::string_view testo, Icona icona, std::string_view titolo) override;
};

}  // namespace tavo
