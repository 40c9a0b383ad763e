#pragma once
// TPFAboutFrm, "カートリッジ情報": a picture, the cartridge's information
// text in `Note`, and OK.

#include <QDialog>

class QPlainTextEdit;

namespace pf {

class TPFAboutFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TPFAboutFrm(QWidget* parent = nullptr);
    QPlainTextEdit* Note = nullptr;
};

} // namespace pf
