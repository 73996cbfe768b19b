#include "drawing/ui/ConversioniQt.h"

#include "fileio/FileSuDisco.h"

namespace tavo {

QString PercorsoQt(const std::filesystem::path& p) { return QString::fromStdString(TestoPercorso(p)); }

std::filesystem::path PercorsoDaQt(const QString& s) {
    const QByteArray u = s.toUtf8();
    return std::filesystem::path(std::u8string(u.begin(), u.end()));
}

QStringList FiltriQt(const std::string& filtro) {
    const QStringList parti = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        const QString& descrizione = parti[i];
        voci << (descrizione.contains(QLatin1Char('(')) ? descrizione
                                                         : descrizione + QStringLiteral(" (") + parti[i + 1] + QLatin1Char(')'));
    }
    return voci;
}

}  // namespace tavo
