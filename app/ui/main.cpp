// The program: one main window over the one project state.

#include "analysis/VariabiliPubbliche.h"
#include "analysis/ui/FrmArmature.h"
#include "app/RigaComando.h"
#include "app/ui/ApplicazioneTavo.h"
#include "app/ui/FrmTavoMain.h"
#include "app/ui/PortaMessaggiQt.h"
#include "app/ui/ServiziFinestra.h"
#include "app/ui/TraduzioniQt.h"
#include "drawing/ui/ConversioniQt.h"
#include "seismic/NTC.h"
#include "seismic/ui/FrmSpettroNTC.h"

#include <QApplication>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    tavo::ApplicazioneTavo app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVO_VERSIONE));
    tavo::InstallaTraduzioniQt(app);

    tavo::PortaMessaggiQt porta;
    tavo::PortaMessaggiInstallata guardia(porta);

    tavo::OpzioniAvvio avvio;
    avvio.cartellaProgramma = tavo::PercorsoDaQt(QCoreApplication::applicationDirPath());
    std::vector<std::string> parole;
    for (int i = 1; i < argc; ++i) parole.emplace_back(argv[i]);
    // Started without a file, the program opens its bundled example.
    const std::filesystem::path esempio = avvio.cartellaProgramma / "Spalla.Tav";
    if (parole.empty() && std::filesystem::exists(esempio)) parole.push_back(esempio.string());
    avvio.rigaComando = tavo::RigaComandoDaArgomenti(parole);

    tavo::VariabiliPubbliche stato;
    tavo::NTC sisma;
    tavo::ServiziDesktop servizi;
    tavo::FinestreCollegate finestre;
    finestre.armature = [&](tavo::FrmTavoMain& principale) {
        tavo::MostraFrmArmature(&principale, stato, sisma, principale, principale.Avviso());
    };
    finestre.sisma = [&](tavo::FrmTavoMain& principale) {
        tavo::MostraFrmSpettroNTC(&principale, sisma, avvio.cartellaProgramma,
                                  [&principale] { principale.ScriveCoefficientiSismici(); });
    };
    tavo::FrmTavoMain finestra(stato, sisma, avvio, servizi, std::move(finestre));
    servizi.impostaFinestra(&finestra);
    finestra.show();
    return QApplication::exec();
}
