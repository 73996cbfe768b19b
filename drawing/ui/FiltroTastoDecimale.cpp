#include "drawing/ui/FiltroTastoDecimale.h"

#include "fileio/TastoDecimale.h"

#include <QApplication>
#include <QKeyEvent>

namespace tavo {

FiltroTastoDecimale::FiltroTastoDecimale(QWidget* finestra) : QObject(finestra), finestra_(finestra) {
    qApp->installEventFilter(this);
}

bool FiltroTastoDecimale::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !o->isWidgetType() || !finestra_) return false;
    auto* w = static_cast<QWidget*>(o);
    if (w->window() != finestra_) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const bool tastoDecimale = (k->modifiers() & Qt::KeypadModifier) &&
                               (k->key() == Qt::Key_Period || k->key() == Qt::Key_Comma);
    GestisceKeyDown(tastoDecimale ? CodiceTastoDecimale : 0);
    if (k->text().isEmpty()) return false;
    const QList<uint> punti = k->text().toUcs4();
    char32_t c = punti.isEmpty() ? 0 : static_cast<char32_t>(punti.front());
    const char32_t digitato = c;
    GestisceKeyPress(c);
    if (c == digitato) return false;
    // The same key, typing the regional separator instead.
    const QString testo = QString::fromUcs4(&c, 1);
    QKeyEvent sostituito(QEvent::KeyPress, Qt::Key_unknown, k->modifiers() & ~Qt::KeypadModifier, testo);
    QApplication::sendEvent(o, &sostituito);
    return true;
}

}  // namespace tavo
