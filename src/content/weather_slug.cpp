// The city's name on the weather site: the first pinyin readings of its hanzi.
#include "content/pinyin_table.h"
#include "content/weather.h"
#include "workbench/control_names.h"

namespace dq {

Text CitySlug(std::string_view city) {
    Text slug;
    // Two-byte units at even offsets, never realigned after a single-byte character; a last
    // odd byte is never used.
    for (std::size_t at = 0; at + 1 < city.size(); at += 2) {
        const auto lead = static_cast<unsigned char>(city[at]);
        const auto trail = static_cast<unsigned char>(city[at + 1]);
        slug += pinyin::FirstReading(lead, trail);
    }
    return slug;
}

Text CitySlug(const Form& form) { return CitySlug(form.text(controls::kCity)); }

}  // namespace dq
