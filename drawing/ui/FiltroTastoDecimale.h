#pragma once
// The keypad's decimal key types the regional decimal separator in every box
// of a window: the filter sees the keys of the window's controls before they
// do and routes them through GestisceKeyDown and GestisceKeyPress.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tavo {

class FiltroTastoDecimale : public QObject {
    Q_OBJECT
public:
    // Watches the keys of `finestra` and of every control inside it.
    explicit FiltroTastoDecimale(QWidget* finestra);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPointer<QWidget> finestra_;
};

}  // namespace tavo
