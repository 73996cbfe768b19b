#pragma once
// The one way the core talks to the user: a message with an icon, or a
// yes/no question. The windows install a Qt implementation; tests install
// the recording fake of tests/support. Deep geometry routines reach the
// installed port through messaggi(), the calculation takes it explicitly.

#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace tavo {

enum class Icona { Nessuna, Informazione, Esclamazione, Critico, Domanda };

// The answers of a question that can also be cancelled.
enum class Risposta { Si, No, Annulla };

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // An OK-only message box. An empty title means the program's default title.
    virtual void mostra(std::string_view testo, Icona icona = Icona::Nessuna,
                        std::string_view titolo = {}) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool chiedi(std::string_view testo, Icona icona = Icona::Domanda,
                        std::string_view titolo = {}) = 0;
    // A question with the buttons "Sì", "No" and "Annulla". A port that only
    // asks yes or no answers through chiedi and never cancels.
    virtual Risposta chiediOAnnulla(std::string_view testo, Icona icona = Icona::Domanda,
                                    std::string_view titolo = {}) {
        return chiedi(testo, icona, titolo) ? Risposta::Si : Risposta::No;
    }
};

// The port in use. Until one is installed it is a port that writes to
// standard error and answers No, so that nothing ever waits on a dialog.
MessagePort& messaggi();

// Installs a port for the lifetime of the guard and restores the previous one.
class PortaMessaggiInstallata {
public:
    explicit PortaMessaggiInstallata(MessagePort& porta);
    ~PortaMessaggiInstallata();
    PortaMessaggiInstallata(const PortaMessaggiInstallata&) = delete;
    PortaMessaggiInstallata& operator=(const PortaMessaggiInstallata&) = delete;

private:
    MessagePort* precedente_;
};

// One message per cause and per user action: for its lifetime (the span of
// one action), a message whose text and icon were already shown during it
// goes no further; every question reaches the user. Installs itself over
// the port in use and passes the rest on to it.
class MessaggiSenzaRipetizioni final : public MessagePort {
public:
    MessaggiSenzaRipetizioni();
    MessaggiSenzaRipetizioni(const MessaggiSenzaRipetizioni&) = delete;
    MessaggiSenzaRipetizioni& operator=(const MessaggiSenzaRipetizioni&) = delete;

    void mostra(std::string_view testo, Icona icona = Icona::Nessuna, std::string_view titolo = {}) override;
    bool chiedi(std::string_view testo, Icona icona = Icona::Domanda, std::string_view titolo = {}) override;

private:
    MessagePort& inoltro_;
    std::set<std::pair<std::string, Icona>> mostrati_;
    PortaMessaggiInstallata guardia_;
};

}  // namespace tavo
