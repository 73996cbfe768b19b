#include "app/ui/PortaMessaggiQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace tavo {
namespace {

// The program's default title of its message boxes.
const char* const TitoloPredefinito = "Tavo";

QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Esclamazione: return QMessageBox::Warning;
    case Icona::Critico: return QMessageBox::Critical;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

QString Testo(std::string_view s) {
    QString t = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    // The core separates lines with CR LF (or a lone CR): one line break each.
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

QString Titolo(std::string_view titolo) {
    return titolo.empty() ? QString::fromUtf8(TitoloPredefinito) : Testo(titolo);
}

}  // namespace

void PortaMessaggiQt::mostra(std::string_view testo, Icona icona, std::string_view titolo) {
    QMessageBox box(IconaQt(icona), Titolo(titolo), Testo(testo), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool PortaMessaggiQt::chiedi(std::string_view testo, Icona icona, std::string_view titolo) {
    QMessageBox box(IconaQt(icona), Titolo(titolo), Testo(testo),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Risposta PortaMessaggiQt::chiediOAnnulla(std::string_view testo, Icona icona, std::string_view titolo) {
    QMessageBox box(IconaQt(icona), Titolo(titolo), Testo(testo),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // In Italian whether or not Qt's own catalogue could be installed.
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    default: return Risposta::Annulla;
    }
}

}  // namespace tavo
