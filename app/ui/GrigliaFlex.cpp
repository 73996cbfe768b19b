#include "app/ui/GrigliaFlex.h"

#include "fileio/NumeriRegionali.h"

#include <QHeaderView>
#include <algorithm>
#include <QKeyEvent>
#include <QScrollBar>

namespace tavo {

GrigliaFlex::GrigliaFlex(QWidget* genitore) : QTableWidget(genitore), editor_(new QLineEdit(viewport())) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    editor_->setObjectName(QStringLiteral("TxtEdit"));
    editor_->setFrame(false);
    editor_->setAlignment(Qt::AlignCenter);
    editor_->hide();
    editor_->installEventFilter(this);
    // Leaving the cell and scrolling commit what is being typed.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int riga, int colonna, int, int) {
        ConfermaEditor();
        if (riga == 0 || colonna == 0) impostaCellaCorrente(riga, colonna);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ConfermaEditor(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { ConfermaEditor(); });
}

void GrigliaFlex::ScriveCella(const QString& testo, int riga, int colonna) {
    QTableWidgetItem* cella = item(riga, colonna);
    if (!cella) {
        cella = new QTableWidgetItem;
        cella->setTextAlignment(Qt::AlignCenter);
        if (riga == 0 || colonna == 0) {
            cella->setFlags(Qt::ItemIsEnabled);
            cella->setBackground(palette().button());
        } else {
            cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(riga, colonna, cella);
    }
    cella->setText(testo);
}

QString GrigliaFlex::TestoCella(int riga, int colonna) const {
    const QTableWidgetItem* cella = item(riga, colonna);
    return cella ? cella->text() : QString();
}

bool GrigliaFlex::TestoNumerico(const QString& testo) {
    return NumeroDigitato(testo.toStdString()).has_value();
}

void GrigliaFlex::impostaCellaCorrente(int riga, int colonna) {
    if (rowCount() < 2 || columnCount() < 2) return;
    setCurrentCell(std::clamp(riga, 1, rowCount() - 1), std::clamp(colonna, 1, columnCount() - 1));
}

void GrigliaFlex::EditaCella(int tasto, const QString& carattere) {
    if (currentRow() < 1 || currentColumn() < 1) impostaCellaCorrente(currentRow(), currentColumn());
    const int riga = currentRow();
    const int colonna = currentColumn();
    if (riga < 1 || colonna < 1) return;
    ultimoTasto_ = tasto;
    cellaEditor_ = {riga, colonna};
    const QString testo = TestoCella(riga, colonna);
    const AperturaEditor apertura = AperturaEditorCella(tasto, carattere.toStdString(),
                                                        testo.toStdString(), TestoNumerico(testo));
    editor_->setText(QString::fromStdString(apertura.testo));
    if (apertura.selezionaTutto)
        editor_->selectAll();
    else
        editor_->setCursorPosition(static_cast<int>(editor_->text().size()));
    scrollToItem(item(riga, colonna));
    editor_->setGeometry(visualRect(model()->index(riga, colonna)));
    editor_->show();
    editor_->raise();
    editor_->setFocus();
}

void GrigliaFlex::ConfermaEditor() {
    // The cell the editor was opened on: when the user leaves the cell the
    // grid already reports the next one as current.
    if (!editor_->isVisible() || annullando_) return;
    editor_->hide();
    if (cellaEditor_.riga < rowCount() && cellaEditor_.colonna < columnCount())
        ScriveCella(editor_->text(), cellaEditor_.riga, cellaEditor_.colonna);
}

void GrigliaFlex::TastoEditGriglia(int codiceTasto) {
    switch (AzioneTasto(codiceTasto)) {
    case AzioneTastoEditor::Conferma: {
        ConfermaEditor();
        setFocus();
        const auto prossima = CellaSuccessiva({currentRow(), currentColumn()}, rowCount(),
                                              columnCount(), attraversoPrima_);
        if (prossima) {
            setCurrentCell(prossima->riga, prossima->colonna);
            EditaCella(TastoRiapertura(ultimoTasto_));
        } else if (successivo_) {
            successivo_->setFocus();
        }
        break;
    }
    case AzioneTastoEditor::Annulla:
        annullando_ = true;
        editor_->hide();
        annullando_ = false;
        setFocus();
        break;
    case AzioneTastoEditor::TornaAllaGriglia:
        ConfermaEditor();
        setFocus();
        break;
    case AzioneTastoEditor::ScendeDiUnaRiga:
        ConfermaEditor();
        setFocus();
        if (currentRow() < rowCount() - 1) setCurrentCell(currentRow() + 1, currentColumn());
        break;
    case AzioneTastoEditor::Nessuna:
        break;
    }
}

bool GrigliaFlex::eventFilter(QObject* o, QEvent* e) {
    if (o == editor_) {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            int codice = 0;
            switch (k->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: codice = TastoInvio; break;
            case Qt::Key_Escape: codice = TastoEsc; break;
            case Qt::Key_Up: codice = TastoSu; break;
            case Qt::Key_Down: codice = TastoGiu; break;
            default: break;
            }
            if (codice != 0) {
                TastoEditGriglia(codice);
                return true;
            }
        } else if (e->type() == QEvent::FocusOut) {
            ConfermaEditor();
        }
    }
    return QTableWidget::eventFilter(o, e);
}

void GrigliaFlex::keyPressEvent(QKeyEvent* e) {
    const QString testo = e->text();
    const bool navigazione = e->key() == Qt::Key_Escape || e->key() == Qt::Key_Tab ||
                             e->key() == Qt::Key_Backtab;
    if (!navigazione && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        EditaCella(TastoInvio);
        return;
    }
    if (!navigazione && e->key() == Qt::Key_F2) {
        EditaCella(0);
        return;
    }
    if (!navigazione && !testo.isEmpty() && testo.at(0).unicode() >= 32 &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        EditaCella(static_cast<int>(testo.at(0).unicode()), testo);
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void GrigliaFlex::mouseDoubleClickEvent(QMouseEvent* e) {
    QTableWidget::mouseDoubleClickEvent(e);
    EditaCella(0);
}

}  // namespace tavo
