#pragma once
// TOSProgressFrm, "VeldaOSを転送しています": the block count and Cancel,
// which sets OSXModem's cancel flag.

#include <QDialog>

class QLabel;
class QPushButton;

namespace pf {

class TOSProgressFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TOSProgressFrm(QWidget* parent = nullptr);
    QLabel* PacketNum = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace pf
