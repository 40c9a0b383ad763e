#include "ferrymate/link/dialogs/connecting_frm.h"

#include <QLabel>
#include <QPushButton>

namespace pf {

TConnectingFrm::TConnectingFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ConnectingFrm"));
    setWindowTitle(QStringLiteral("接続中"));
    setModal(false);
    setFixedSize(260, 90);
    auto* label = new QLabel(QStringLiteral("Pocketforgeに接続しています・・・"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(16, 16, 228, 20);
    CancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(92, 54, 75, 22);
    connect(CancelButton, &QPushButton::clicked, this, &TConnectingFrm::cancelClicked);
}

} // namespace pf
