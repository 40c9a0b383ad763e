#include "ferrymate/link/data_module.h"

namespace pf {

TDM DM;

} // namespace pf
