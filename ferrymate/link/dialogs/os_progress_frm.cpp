#include "ferrymate/link/dialogs/os_progress_frm.h"

#include "ferrymate/link/data_module.h"

#include <QLabel>
#include <QPushButton>

namespace pf {

TOSProgressFrm::TOSProgressFrm(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("OSProgressFrm"));
    setWindowTitle(QStringLiteral("VeldaOSを転送しています"));
    setModal(false);
    setFixedSize(294, 100);
    auto* label = new QLabel(QStringLiteral("パケット数："), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(72, 20, 64, 16);
    PacketNum = new QLabel(QStringLiteral("0"), this);
    PacketNum->setObjectName(QStringLiteral("PacketNum"));
    PacketNum->setGeometry(136, 20, 90, 16);
    CancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(109, 60, 75, 22);
    connect(CancelButton, &QPushButton::clicked, this, [] { DM.OSXModem.RequestCancel(); });
}

} // namespace pf
