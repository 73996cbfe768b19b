#pragma once
// Qt's own texts (the open, save and print dialogs, the question whether to
// replace a file, the standard buttons) in Italian, like the program's own.

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace tavo {

// Installs Qt's Italian catalogue from `cartella` (Qt's translations folder
// by default) for the whole application. False when it cannot be read: Qt
// then keeps its English texts and the program runs all the same.
bool InstallaTraduzioniQt(QCoreApplication& app,
                          const QString& cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace tavo
