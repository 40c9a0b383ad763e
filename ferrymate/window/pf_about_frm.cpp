#include "ferrymate/window/pf_about_frm.h"

#include "ferrymate/window/form_font.h"
#include "ferrymate/window/pictures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pf {

TPFAboutFrm::TPFAboutFrm(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("PFAboutFrm"));
    setWindowTitle(QStringLiteral("カートリッジ情報"));
    setFont(formFont());
    setFixedSize(346, 162);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(cartridgePicture());
    picture->setGeometry(8, 12, 32, 32);
    Note = new QPlainTextEdit(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setReadOnly(true);
    Note->setFrameShape(QFrame::NoFrame);
    Note->setFocusPolicy(Qt::NoFocus);
    Note->setBackgroundRole(QPalette::Button);
    Note->viewport()->setBackgroundRole(QPalette::Button);
    Note->setGeometry(52, 16, 285, 93);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(140, 124, 75, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pf
