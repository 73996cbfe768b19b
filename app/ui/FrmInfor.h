#pragma once
// The about box: the program's name, version and what it verifies.

#include <QDialog>

namespace tavo {

class FrmInfor final : public QDialog {
    Q_OBJECT
public:
    explicit FrmInfor(QWidget* genitore = nullptr);
};

}  // namespace tavo
