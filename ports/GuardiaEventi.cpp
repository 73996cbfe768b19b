#include "ports/GuardiaEventi.h"

#include "ports/MessagePort.h"

#include <exception>

namespace tavo {

std::string MessaggioErroreImprevisto(const std::string& cosa) {
    return "Errore imprevisto: l'operazione è stata interrotta.\r\n" + cosa +
           "\r\nI dati del progetto sono rimasti in memoria: controllarli prima di salvare.";
}

bool EventoProtetto(const std::function<void()>& evento) {
    try {
        evento();
        return true;
    } catch (const std::exception& e) {
        messaggi().mostra(MessaggioErroreImprevisto(e.what()), Icona::Critico);
    } catch (...) {
        messaggi().mostra(MessaggioErroreImprevisto("Errore sconosciuto."), Icona::Critico);
    }
    return false;
}

}  // namespace tavo
