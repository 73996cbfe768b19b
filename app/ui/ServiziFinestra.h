#pragma once
// The desktop services the main window uses: the file dialogs, the choice of
// a printer and the viewer of the help page. The program uses the desktop's
// own; the window tests put fakes in their place, so that nothing waits for
// a person.

#include "app/OperazioniFile.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace tavo {

class ServiziFinestra {
public:
    virtual ~ServiziFinestra() = default;
    virtual DialogoFile& dialogoFile() = 0;
    // Lets the user choose a printer (or a PDF file); false when cancelled.
    virtual bool sceltaStampante(QPrinter& stampante, QWidget* finestra) = 0;
    // Shows a document with the desktop's viewer. `nonAperto` runs once when
    // no viewer shows it: at once when none can be started, later when the
    // one started gives up.
    virtual void apreDocumento(const QString& file, std::function<void()> nonAperto) = 0;
};

// The services of the desktop: QFileDialog, QPrintDialog, and xdg-open,
// whose exit code tells whether a viewer took the document.
class ServiziDesktop final : public ServiziFinestra, private DialogoFile {
public:
    explicit ServiziDesktop(QWidget* finestra = nullptr) : finestra_(finestra) {}
    void impostaFinestra(QWidget* finestra) { finestra_ = finestra; }

    DialogoFile& dialogoFile() override { return *this; }
    bool sceltaStampante(QPrinter& stampante, QWidget* finestra) override;
    void apreDocumento(const QString& file, std::function<void()> nonAperto) override;

private:
    std::optional<std::filesystem::path> sceltaApertura(const RichiestaDialogoFile& r) override;
    std::optional<std::filesystem::path> sceltaSalvataggio(const RichiestaDialogoFile& r) override;

    QWidget* finestra_;
};

}  // namespace tavo
