#include "analysis/ui/FrmGamma.h"

#include "analysis/CoefficientiParziali.h"
#include "drawing/ui/FiltroTastoDecimale.h"
#include "fileio/NumeriRegionali.h"
#include "ports/MessagePort.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>


namespace tavo {
namespace {

// γφ, γGS, γGZ, γGM, γQ, γNi, γVi
const char* const Simboli[7] = {"\u03b3<sub>\u03c6</sub>", "\u03b3<sub>GS</sub>", "\u03b3<sub>GZ</sub>",
                                "\u03b3<sub>GM</sub>",      "\u03b3<sub>Q</sub>",  "\u03b3<sub>Ni</sub>",
                                "\u03b3<sub>Vi</sub>"};

const char* const SuggerimentiColonne[4] = {"", "Ribaltamento", "Scorrimento", "Schiacciamento"};

}  // namespace

FrmGamma::FrmGamma(VariabiliPubbliche& stato, std::function<void()> salvaImpostazioni,
                   const Separatori& separatori, QWidget* genitore)
    : QDialog(genitore), stato_(stato), salvaImpostazioni_(std::move(salvaImpostazioni)), separatori_(separatori) {
    setObjectName(QStringLiteral("frmGamma"));
    setWindowTitle(QStringLiteral("Coefficienti parziali SLU"));
    auto* layout = new QVBoxLayout(this);
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(SSTab1_);

    const char* nomi[2] = {"txtCoefParz_%1", "txtCoefParz1_%1"};
    for (int p = 0; p < 2; ++p) {
        auto* pagina = new QWidget(SSTab1_);
        auto* g = new QGridLayout(pagina);
        g->addWidget(new QLabel(QStringLiteral("Verifica")), 0, 2, Qt::AlignCenter);
        g->addWidget(new QLabel(QStringLiteral("Verifica Fondazione")), 0, 3, 1, 3, Qt::AlignCenter);
        for (int c = 0; c < 4; ++c) {
            auto* l = new QLabel(QString::fromUtf8(ColonneCoefficienti[static_cast<std::size_t>(c)]));
            l->setToolTip(QString::fromUtf8(SuggerimentiColonne[c]));
            g->addWidget(l, 1, c + 2, Qt::AlignCenter);
        }
        for (int r = 0; r < 7; ++r) {
            g->addWidget(new QLabel(QString::fromUtf8(RigheCoefficienti[static_cast<std::size_t>(r)])), r + 2, 0);
            g->addWidget(new QLabel(QString::fromUtf8(Simboli[r])), r + 2, 1);
            for (int c = 0; c < 4; ++c) {
                const int indice = r * 4 + c + 1;
                auto* box = new QLineEdit(pagina);
                box->setObjectName(QString::fromUtf8(nomi[p]).arg(indice));
                box->setAlignment(Qt::AlignRight);
                box->setMaximumWidth(70);
                box->installEventFilter(this);
                caselle_[static_cast<std::size_t>(p)][static_cast<std::size_t>(indice - 1)] = box;
                g->addWidget(box, r + 2, c + 2);
            }
        }
        SSTab1_->addTab(pagina, QString::fromUtf8(PagineCoefficienti[static_cast<std::size_t>(p)]));
    }

    auto* pulsanti = new QHBoxLayout;
    const char* testi[4] = {"&OK", "&Annulla", "&Salva nel file Tavo.ini", "&Valori di default"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(testi[i]), this);
        b->setObjectName(QStringLiteral("cmdOK_%1").arg(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { Pulsante(i); });
        pulsanti->addWidget(b);
    }
    layout->addLayout(pulsanti);
    new FiltroTastoDecimale(this);
    ScriveCoefficientiInForm();
}

void FrmGamma::MostraPagina(int pagina) { SSTab1_->setCurrentIndex(pagina); }

void FrmGamma::ScriveCoefficientiInForm() {
    const TabellaCoefficienti* tabelle[2] = {&stato_.CoefParzStatici, &stato_.CoefParzSismici};
    for (std::size_t p = 0; p < 2; ++p)
        for (int i = 1; i <= 28; ++i)
            caselle_[p][static_cast<std::size_t>(i - 1)]->setText(
                QString::fromStdString(TestoRegionale((*tabelle[p])(i), separatori_)));
}

bool FrmGamma::LeggeCoefficientiDaForm() {
    TestiCoefficienti testi;
    for (std::size_t p = 0; p < testi.size(); ++p)
        for (std::size_t i = 0; i < testi[p].size(); ++i) testi[p][i] = caselle_[p][i]->text().toStdString();
    const std::string rifiuto = tavo::LeggeCoefficientiDaForm(testi, stato_, separatori_);
    if (rifiuto.empty()) return true;
    messaggi().mostra(rifiuto, Icona::Critico);
    return false;
}

void FrmGamma::Pulsante(int indice) {
    switch (indice) {
    case 0:
        if (LeggeCoefficientiDaForm()) accept();
        break;
    case 1:
        reject();
        break;
    case 2:
        if (LeggeCoefficientiDaForm() && salvaImpostazioni_) salvaImpostazioni_();
        break;
    case 3:
        CoefficientiParzialiDefault(stato_);
        ScriveCoefficientiInForm();
        break;
    default:
        break;
    }
}

bool FrmGamma::eventFilter(QObject* o, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(o);
    if (!box) return QDialog::eventFilter(o, e);
    if (e->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    } else if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            // On to the box with the next index of the same page; after 28, box 1.
            for (const auto& pagina : caselle_)
                for (std::size_t i = 0; i < pagina.size(); ++i)
                    if (pagina[i] == box) pagina[(i + 1) % pagina.size()]->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

}  // namespace tavo
