#pragma once
// The hdrgen program: runs the job its command line names.

#include <ostream>
#include <string>
#include <vector>

namespace hdrgen {

// `args` without the program name; every message goes to `out`. Returns
// the exit code.
int runHdrgen(const std::vector<std::string>& args, std::ostream& out);

} // namespace hdrgen
