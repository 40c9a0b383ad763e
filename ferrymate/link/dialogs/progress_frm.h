#pragma once
// TProgressFrm, "ファイル転送中・・・": the file name and a bar of blocks,
// and Cancel, which sets FileXModem's cancel flag.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pf {

class TProgressFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TProgressFrm(QWidget* parent = nullptr);
    QLabel* FileName = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace pf
