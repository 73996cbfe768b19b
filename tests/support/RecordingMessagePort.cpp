#include "tests/support/RecordingMessagePort.h"

namespace tavo::test {

void RecordingMessagePort::mostra(std::string_view testo, Icona icona, std::string_view titolo) {
    registrati_.push_back({std::string(testo), icona, std::string(titolo), false});
}

bool RecordingMessagePort::chiedi(std::string_view testo, Icona icona, std::string_view titolo) {
    return chiediOAnnulla(testo, icona, titolo) == Risposta::Si;
}

Risposta RecordingMessagePort::chiediOAnnulla(std::string_view testo, Icona icona, std::string_view titolo) {
    registrati_.push_back({std::string(testo), icona, std::string(titolo), true});
    if (risposte_.empty()) return Risposta::No;
    const Risposta r = risposte_.front();
    risposte_.pop_front();
    return r;
}

void RecordingMessagePort::rispondi(std::initializer_list<bool> risposte) {
    for (bool r : risposte) risposte_.push_back(r ? Risposta::Si : Risposta::No);
}

void RecordingMessagePort::rispondi(std::initializer_list<Risposta> risposte) {
    risposte_.insert(risposte_.end(), risposte.begin(), risposte.end());
}

std::vector<std::string> RecordingMessagePort::testi() const {
    std::vector<std::string> t;
    for (const auto& m : registrati_) t.push_back(m.testo);
    return t;
}

}  // namespace tavo::test
