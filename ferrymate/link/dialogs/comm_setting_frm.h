#pragma once
// TCommSettingFrm, "通信設定": the port list (COM1..COM5) and the speed list
// (38400, 9600). Its two lists are the live settings the next connection
// reads; the dialog itself holds no other logic.

#include "ferrymate/link/comm_port_settings.h"

#include <QDialog>

class QComboBox;

namespace pf {

class TCommSettingFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TCommSettingFrm(QWidget* parent = nullptr);

    QComboBox* CommPortCombo = nullptr;
    QComboBox* SpeedCombo = nullptr;

    // Port name and baud rate of the current selections.
    CommPortSettings selectedSettings() const;
    // Selects the stored indices; an index outside a list selects its first
    // entry.
    void selectIndices(int portIndex, int speedIndex);
};

} // namespace pf
