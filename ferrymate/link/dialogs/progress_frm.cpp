#include "ferrymate/link/dialogs/progress_frm.h"

#include "ferrymate/link/data_module.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace pf {

TProgressFrm::TProgressFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressFrm"));
    setWindowTitle(QStringLiteral("ファイル転送中・・・"));
    setModal(false);
    setFixedSize(300, 110);
    auto* label = new QLabel(QStringLiteral("転送中："), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(16, 14, 56, 20);
    FileName = new QLabel(this);
    FileName->setObjectName(QStringLiteral("FileName"));
    FileName->setGeometry(72, 14, 212, 20);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setGeometry(16, 42, 268, 18);
    CancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(112, 74, 75, 22);
    connect(CancelButton, &QPushButton::clicked, this, [] { DM.FileXModem.RequestCancel(); });
}

} // namespace pf
