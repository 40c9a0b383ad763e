#include "ferrymate/window/form_font.h"

#include <QStringList>

namespace pf {

QFont formFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);
    return font;
}

} // namespace pf
