#pragma once
// The schema picture of the main window: the section of a wall with the
// names of its dimensions, drawn to the picture's size so that it reads as
// well when zoomed.

#include <QWidget>

namespace tavo {

class SchemaTavo final : public QWidget {
    Q_OBJECT
public:
    explicit SchemaTavo(QWidget* genitore = nullptr);

signals:
    void cliccato();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

}  // namespace tavo
