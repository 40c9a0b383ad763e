#include "ferrymate/window/about_frm.h"

#include "ferrymate/window/form_font.h"
#include "ferrymate/window/pictures.h"

#include <QLabel>
#include <QPushButton>

namespace pf {

TAboutFrm::TAboutFrm(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(QStringLiteral("Ferrymateについて"));
    setFont(formFont());
    setFixedSize(318, 182);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(aboutIcon());
    icon->setGeometry(17, 23, 32, 32);
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image2"));
    banner->setPixmap(aboutBanner());
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    banner->setGeometry(49, 8, 256, 57);
    auto* version = new QLabel(QStringLiteral("Version 1.03 beta"), this);
    version->setObjectName(QStringLiteral("Label1"));
    QFont bold = formFont();
    bold.setPixelSize(16);
    bold.setBold(true);
    version->setFont(bold);
    version->move(169, 64);
    version->adjustSize();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(223, 144, 75, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pf
