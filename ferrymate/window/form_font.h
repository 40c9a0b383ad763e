#pragma once
// The fonts of the forms: a proportional Japanese Gothic at 12 pixels, and
// the fixed-pitch one of the protocol log.

#include <QFont>

namespace pf {

QFont formFont();

} // namespace pf
