#pragma once
// How the windows that stay open beside the main window (the drawing, the
// reinforcement report) follow the project in front of it. The main window
// owns one AvvisoProgetto and calls Avvisa after every command of any
// window; each open window is connected to it and compares, in one routine
// of its own, what it shows with what the project state now holds. No
// command knows which windows are open.

#include <QObject>
#include <QWidget>

namespace tavo {

class AvvisoProgetto final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The project may have changed: every connected window compares.
    void Avvisa();

signals:
    void cambiato();
};

// The open window of type T among the direct children of `principale`;
// null when none is (a closed one waiting for its deletion is not).
template <class T>
T* FinestraAperta(const QObject* principale) {
    if (!principale) return nullptr;
    for (T* f : principale->findChildren<T*>(QString(), Qt::FindDirectChildrenOnly))
        if (f->isVisible()) return f;
    return nullptr;
}

}  // namespace tavo
