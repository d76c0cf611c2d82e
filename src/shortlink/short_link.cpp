#include "shortlink/short_link.h"

#include <array>
#include <string_view>

#include "services/json_reader.h"
#include "web/encoding.h"
#include "web/http_verbs.h"
#include "web/text_utils.h"
#include "web/web_request.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

constexpr int kMethodColumn = 2;
constexpr int kTemplateColumn = 5;
constexpr int kAddressColumn = 6;

struct AnswerKey {
    std::string_view searchText;
    bool ignoreCase;
};

// Tried in this order; the member read is the key as written here.
constexpr std::array<AnswerKey, 6> kAnswerKeys = {{{"Parameter", false},
                                                  {"tinyurl", false},
                                                  {"shortUrl", true},
                                                  {"url_short", false},
                                                  {"url", false},
                                                  {"list", false}}};

bool IsUnreserved(unsigned char byte) {
    return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') ||
           (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

Text PercentEncode(const Text& text, bool keepUnreserved, bool utf8First) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const Text bytes = utf8First ? AnsiToUtf8(text) : text;
    Text encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepUnreserved && IsUnreserved(byte)) {
            encoded += c;
            continue;
        }
        encoded += '%';
        encoded += kHex[byte >> 4];
        encoded += kHex[byte & 0xF];
    }
    return encoded;
}

Text ShortLinkFromResponse(const Text& answer) {
    JsonReader reader;
    const JsonValue value = reader.Parse(answer);
    for (const AnswerKey& key : kAnswerKeys) {
        if (text::Find(answer, key.searchText, 1, key.ignoreCase) != 0)
            return JsonReader::MemberText(value, Text(key.searchText));
    }
    return answer;
}

Text ShortenLink(const Form& form, const Text& link, ShortLinkRun& run) {
    const int row = form.selectedRow(controls::kInterfaceList);
    const Text method = form.cell(controls::kInterfaceList, row, kMethodColumn);
    const Text parameters = text::ReplaceAll(form.cell(controls::kInterfaceList, row, kTemplateColumn),
                                             "$Url$", PercentEncode(link), true);
    const Text address = form.cell(controls::kInterfaceList, row, kAddressColumn);

    RequestOptions options;
    if (method == "POST") {
        options.method = web::kPostMethod;
        options.postText = parameters;
    } else if (method != "GET") {
        return link;
    }
    if (run.serviceSilent()) return ShortLinkFromResponse(Text());
    RequestReport report;
    options.report = &report;
    options.pump = run.pump();
    const Text answer = WebRequest(method == "GET" ? address + parameters : address, options);
    if (report.timedOut) run.markServiceSilent();
    return ShortLinkFromResponse(answer);
}

}  // namespace dq
