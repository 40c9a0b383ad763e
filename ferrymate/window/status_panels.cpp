#include "ferrymate/window/status_panels.h"

#include <QLabel>

namespace pf {

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        m_panels[i] = panel;
    }
    setPanelWidths(320, 220, 100);
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    m_panels.at(static_cast<std::size_t>(panel))->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return m_panels.at(static_cast<std::size_t>(panel))->text();
}

void StatusPanels::setPanelWidths(int panel0, int panel1, int panel2) {
    const int widths[] = {panel0, panel1, panel2};
    int left = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        // The last panel takes what is left of the bar, as the last panel of
        // a status bar does.
        const int width = i + 1 == m_panels.size() ? std::max(widths[i], this->width() - left) : widths[i];
        m_panels[i]->setGeometry(left, 1, std::max(width - 2, 1), kHeight - 2);
        left += widths[i];
    }
}

int StatusPanels::panelWidth(int panel) const {
    return m_panels.at(static_cast<std::size_t>(panel))->width() + 2;
}

} // namespace pf
