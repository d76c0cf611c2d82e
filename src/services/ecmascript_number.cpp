#include "services/ecmascript_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace dq::services {

std::string EcmaScriptNumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0) return "0";

    // The shortest round-trip digits, as "d.ddde±x" (or "de±x" for one digit).
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string scientific(buffer, error == std::errc() ? end : buffer);
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, e);
    if (digits.size() > 1) digits.erase(1, 1);  // drop the decimal point
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    // value = 0.d1d2...dk * 10^n
    const int k = static_cast<int>(digits.size());
    const int n = exponent + 1;
    std::string out = value < 0 ? "-" : "";
    if (k <= n && n <= 21) {
        out += digits + std::string(static_cast<std::size_t>(n - k), '0');
    } else if (0 < n && n <= 21) {
        out += digits.substr(0, static_cast<std::size_t>(n)) + "." + digits.substr(static_cast<std::size_t>(n));
    } else if (-6 < n && n <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-n), '0') + digits;
    } else {
        out += digits.substr(0, 1);
        if (k > 1) out += "." + digits.substr(1);
        out += n - 1 >= 0 ? "e+" : "e-";
        out += std::to_string(std::abs(n - 1));
    }
    return out;
}

}  // namespace dq::services
