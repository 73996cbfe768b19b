#pragma once
// The schema picture of the main window: the section of a wall with the
// names of its dimensions, drawn to the picture's size so that it reads as
// well when zoomed.

#include <QWidget>

#include <array>

class QPainter;

namespace tavo {

class SchemaTavo final : public QWidget {
    Q_OBJECT
public:
    explicit SchemaTavo(QWidget* genitore = nullptr);

    // One name of a dimension, at its baseline's left end in the picture's
    // 100 × 100 frame (y downward).
    struct Scritta {
        QPointF base;
        const char* testo;
    };
    static const std::array<Scritta, 12>& Scritte();

    // The picture in parts, so that a test can look at where each name falls
    // against the lines and the other names: the frame for an area of the
    // given size, the lines of the section, one name.
    static void Inquadra(QPainter& p, QSize area);
    static void DisegnaLinee(QPainter& p);
    static void DisegnaScritta(QPainter& p, const Scritta& s);

signals:
    void cliccato();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

}  // namespace tavo
