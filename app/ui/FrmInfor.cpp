#include "app/ui/FrmInfor.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo {

FrmInfor::FrmInfor(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("FrmInfor"));
    setWindowTitle(QStringLiteral("Informazioni su Tavo"));
    auto* layout = new QVBoxLayout(this);
    auto* nome = new QLabel(QStringLiteral("<b>Verifica tavo di sostegno/spalla</b>"), this);
    nome->setObjectName(QStringLiteral("lblTitolo"));
    nome->setAlignment(Qt::AlignCenter);
    layout->addWidget(nome);
    auto* versione = new QLabel(QStringLiteral("Versione ") + QCoreApplication::applicationVersion(), this);
    versione->setObjectName(QStringLiteral("lblVersione"));
    versione->setAlignment(Qt::AlignCenter);
    layout->addWidget(versione);
    auto* descrizione = new QLabel(
        QString::fromUtf8("Muri di sostegno a mensola e spalle da ponte:\n"
                          "spinte a cuneo di tentativo, ribaltamento, scorrimento,\n"
                          "pressioni sul terreno, sollecitazioni e armature.\n"
                          "Normative NTC 2008 e DM 1996. Unità di misura kN, m."),
        this);
    descrizione->setAlignment(Qt::AlignCenter);
    layout->addWidget(descrizione);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

}  // namespace tavo
