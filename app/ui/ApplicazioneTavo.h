#pragma once
// The program's application object: every event of every window passes
// through its one guard (ports/GuardiaEventi.h), so that an error of the
// core that no window handles becomes one message and never ends the
// program with the project unsaved.

#include <QApplication>

namespace tavo {

class ApplicazioneTavo final : public QApplication {
public:
    ApplicazioneTavo(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* destinatario, QEvent* evento) override;
};

}  // namespace tavo
