#pragma once
// TConnectingFrm, "接続中": shown without being modal while a connection is
// opened; its Cancel button only reports the click.

#include <QDialog>

class QPushButton;

namespace pf {

class TConnectingFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TConnectingFrm(QWidget* parent = nullptr);
    QPushButton* CancelButton = nullptr;

  signals:
    void cancelClicked();
};

} // namespace pf
