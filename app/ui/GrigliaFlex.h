#pragma once
// A text-only grid with row 0 and column 0 as headers, and a one-line editor
// that floats over the current cell while a value is typed (the decisions
// are app/EditorGriglia.h). A character typed on the grid opens the editor
// with it; a double click or F2 opens it on the cell's number; leaving the
// cell, scrolling or the editor losing the focus commits the editor's text.

#include "app/EditorGriglia.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>

namespace tavo {

class GrigliaFlex : public QTableWidget {
    Q_OBJECT
public:
    explicit GrigliaFlex(QWidget* genitore = nullptr);

    // The floating editor (hidden unless a value is being typed).
    QLineEdit* editor() const { return editor_; }

    // Where the focus goes after Enter on the last cell; none stays put.
    void impostaControlloSuccessivo(QWidget* w) { successivo_ = w; }
    // Enter moves across the row first instead of down the column.
    void impostaAttraversoPrima(bool si) { attraversoPrima_ = si; }

    // Texts of the cells; any cell of the grid, headers included.
    void ScriveCella(const QString& testo, int riga, int colonna);
    QString TestoCella(int riga, int colonna) const;

    // Opens the editor on the current cell: key 0 for the cell's number,
    // 1..32 for its text, any other key for the typed `carattere`.
    void EditaCella(int tasto, const QString& carattere = {});
    // A key pressed in the editor (13 Enter, 27 Esc, 38 up, 40 down).
    void TastoEditGriglia(int codiceTasto);
    // The editor's text into the current cell, and the editor hidden, when
    // it is shown.
    void ConfermaEditor();

    // The current data cell: never a header.
    void impostaCellaCorrente(int riga, int colonna);

    // Whether a cell's text is a number in the regional settings.
    static bool TestoNumerico(const QString& testo);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QLineEdit* editor_;
    QPointer<QWidget> successivo_;
    bool attraversoPrima_ = false;
    bool annullando_ = false;
    int ultimoTasto_ = 0;  // UltimoTastoEdit
    CellaGriglia cellaEditor_;
};

}  // namespace tavo
