// Numbers written the way ECMAScript's Number-to-String writes them: the shortest digits that
// read back as the same double, plain notation from 1e-6 up to below 1e21 and exponent form
// ("1e+21", "1.5e-7") outside it, "0" for both zeros.
#pragma once

#include <string>

namespace dq::services {

// "NaN", "Infinity" and "-Infinity" for the non-finite values.
std::string EcmaScriptNumberText(double value);

}  // namespace dq::services
