#include "app/ui/TraduzioniQt.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tavo {

bool InstallaTraduzioniQt(QCoreApplication& app, const QString& cartella) {
    // The application owns the catalogue: it is consulted until the end.
    auto* catalogo = new QTranslator(&app);
    if (!catalogo->load(QStringLiteral("qtbase_it"), cartella) || !QCoreApplication::installTranslator(catalogo)) {
        delete catalogo;
        return false;
    }
    return true;
}

}  // namespace tavo
