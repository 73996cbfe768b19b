#include "app/ui/ApplicazioneTavo.h"

#include "ports/GuardiaEventi.h"

namespace tavo {

bool ApplicazioneTavo::notify(QObject* destinatario, QEvent* evento) {
    bool gestito = false;
    EventoProtetto([&] { gestito = QApplication::notify(destinatario, evento); });
    return gestito;
}

}  // namespace tavo
