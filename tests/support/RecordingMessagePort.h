#pragma once
// Recording fake of the message port: stores every message and question,
// answers questions from a script (No once the script is used up), and
// installs itself for its own lifetime.

#include "ports/MessagePort.h"

#include <deque>
#include <string>
#include <vector>

namespace tavo::test {

struct MessaggioRegistrato {
    std::string testo;
    Icona icona;
    std::string titolo;
    bool domanda;
};

class RecordingMessagePort final : public MessagePort {
public:
    RecordingMessagePort() : guardia_(*this) {}

    void mostra(std::string_view testo, Icona icona, std::string_view titolo) override;
    bool chiedi(std::string_view testo, Icona icona, std::string_view titolo) override;
    Risposta chiediOAnnulla(std::string_view testo, Icona icona, std::string_view titolo) override;

    // Answers for the next questions, in order (true: Sì); a question
    // that can be cancelled takes them as they are.
    void rispondi(std::initializer_list<bool> risposte);
    void rispondi(std::initializer_list<Risposta> risposte);

    const std::vector<MessaggioRegistrato>& registrati() const { return registrati_; }
    std::size_t conta() const { return registrati_.size(); }
    std::vector<std::string> testi() const;
    void svuota() { registrati_.clear(); }

private:
    std::vector<MessaggioRegistrato> registrati_;
    std::deque<Risposta> risposte_;
    PortaMessaggiInstallata guardia_;
};

}  // namespace tavo::test
