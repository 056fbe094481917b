#pragma once

#include <string>

namespace vd {

// A new random GUID in its braced upper-case text form, e.g.
// "{6AA1B261-B120-49D6-A66B-E8D8AD9BA1F1}".
std::string NewGuidText();

}  // namespace vd
