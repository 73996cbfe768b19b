#include "ports/MessagePort.h"

#include <cstdio>

namespace tavo {
namespace {

class PortaSuStderr final : public MessagePort {
public:
    void mostra(std::string_view testo, Icona, std::string_view) override {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(testo.size()), testo.data());
    }
    bool chiedi(std::string_view testo, Icona icona, std::string_view titolo) override {
        mostra(testo, icona, titolo);
        return false;
    }
};

PortaSuStderr portaPredefinita;
MessagePort* portaCorrente = &portaPredefinita;

}  // namespace

MessagePort& messaggi() { return *portaCorrente; }

PortaMessaggiInstallata::PortaMessaggiInstallata(MessagePort& porta)
    : precedente_(portaCorrente) {
    portaCorrente = &porta;
}

PortaMessaggiInstallata::~PortaMessaggiInstallata() { portaCorrente = precedente_; }

MessaggiSenzaRipetizioni::MessaggiSenzaRipetizioni() : inoltro_(messaggi()), guardia_(*this) {}

void MessaggiSenzaRipetizioni::mostra(std::string_view testo, Icona icona, std::string_view titolo) {
    if (mostrati_.emplace(std::string(testo), icona).second) inoltro_.mostra(testo, icona, titolo);
}

bool MessaggiSenzaRipetizioni::chiedi(std::string_view testo, Icona icona, std::string_view titolo) {
    return inoltro_.chiedi(testo, icona, titolo);
}

}  // namespace tavo
