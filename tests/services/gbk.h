// GBK Text from UTF-8 source literals, so tests can write Chinese as it reads.
#pragma once

#include "web/encoding.h"

namespace dq::testing {

inline Text Gbk(std::string_view utf8) { return Utf8ToAnsi(utf8); }

}  // namespace dq::testing
