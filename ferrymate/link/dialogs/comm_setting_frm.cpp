#include "ferrymate/link/dialogs/comm_setting_frm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace pf {
namespace {

void selectOrFirst(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

} // namespace

TCommSettingFrm::TCommSettingFrm(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("CommSettingFrm"));
    setWindowTitle(QStringLiteral("通信設定"));
    setFixedSize(240, 120);
    auto* portLabel = new QLabel(QStringLiteral("通信ポート："), this);
    portLabel->setGeometry(16, 18, 80, 20);
    CommPortCombo = new QComboBox(this);
    CommPortCombo->setObjectName(QStringLiteral("CommPortCombo"));
    CommPortCombo->addItems({"COM1", "COM2", "COM3", "COM4", "COM5"});
    CommPortCombo->setGeometry(100, 16, 120, 22);
    auto* speedLabel = new QLabel(QStringLiteral("通信速度："), this);
    speedLabel->setGeometry(16, 50, 80, 20);
    SpeedCombo = new QComboBox(this);
    SpeedCombo->setObjectName(QStringLiteral("SpeedCombo"));
    SpeedCombo->addItems({"38400", "9600"});
    SpeedCombo->setGeometry(100, 48, 120, 22);
    portLabel->setBuddy(CommPortCombo);
    speedLabel->setBuddy(SpeedCombo);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(40, 86, 75, 22);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    cancel->setGeometry(125, 86, 75, 22);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CommPortSettings TCommSettingFrm::selectedSettings() const {
    CommPortSettings settings;
    settings.portName = CommPortCombo->currentText().toStdString();
    settings.baudRate = SpeedCombo->currentIndex() == 1 ? 9600 : 38400;
    return settings;
}

void TCommSettingFrm::selectIndices(int portIndex, int speedIndex) {
    selectOrFirst(CommPortCombo, portIndex);
    selectOrFirst(SpeedCombo, speedIndex);
}

} // namespace pf
