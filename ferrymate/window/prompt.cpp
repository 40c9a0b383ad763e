#include "ferrymate/window/prompt.h"

#include <QMessageBox>

namespace pf {

void MessageBoxPrompt::message(QWidget* owner, const QString& text) {
    QMessageBox::information(owner, QStringLiteral("Ferrymate"), text);
}

bool MessageBoxPrompt::askYesNo(QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, QStringLiteral("Ferrymate"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxPrompt::reportError(QWidget* owner, const QString& text) {
    QMessageBox::critical(owner, QStringLiteral("Ferrymate"), text);
}

} // namespace pf
