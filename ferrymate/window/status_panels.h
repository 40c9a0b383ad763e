#pragma once
// StatusBar: the window's status bar with three sunken text panels whose
// widths the layout sets.

#include <QWidget>

#include <array>

class QLabel;

namespace pf {

class StatusPanels : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 19;
    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    void setPanelWidths(int panel0, int panel1, int panel2);
    int panelWidth(int panel) const;

  private:
    std::array<QLabel*, 3> m_panels{};
};

} // namespace pf
