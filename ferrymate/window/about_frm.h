#pragma once
// TAboutFrm, "Ferrymateについて": icon, banner, version and OK.

#include <QDialog>

namespace pf {

class TAboutFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutFrm(QWidget* parent = nullptr);
};

} // namespace pf
