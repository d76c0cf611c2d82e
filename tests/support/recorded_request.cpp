#include "support/recorded_request.h"

#include <cctype>
#include <charconv>

namespace dq::testing {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Splits "Name: value" at its first colon; nullopt for a line without one.
std::optional<std::pair<std::string_view, std::string_view>> NameAndValue(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    return std::pair{line.substr(0, colon), TrimSpaces(line.substr(colon + 1))};
}

}  // namespace

std::optional<std::string> RecordedRequest::header(std::string_view name) const {
    for (const std::string& line : headerLines) {
        const auto field = NameAndValue(line);
        if (field && SameIgnoringCase(field->first, name)) return std::string(field->second);
    }
    return std::nullopt;
}

int RecordedRequest::headerCount(std::string_view name) const {
    int count = 0;
    for (const std::string& line : headerLines) {
        const auto field = NameAndValue(line);
        if (field && SameIgnoringCase(field->first, name)) ++count;
    }
    return count;
}

std::string RecordedRequest::path() const {
    std::string_view rest = target;
    const std::size_t scheme = rest.find("://");
    if (scheme != std::string_view::npos && scheme < rest.find('/')) {
        rest.remove_prefix(scheme + 3);
        const std::size_t slash = rest.find('/');
        rest = slash == std::string_view::npos ? std::string_view("/") : rest.substr(slash);
    }
    return std::string(rest.substr(0, rest.find('?')));
}

std::string RecordedRequest::host() const {
    std::string value = header("Host").value_or("");
    value = value.substr(0, value.find(':'));
    for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return value;
}

RecordedRequest ParseRequestHead(std::string_view head) {
    RecordedRequest request;
    request.raw = std::string(head);
    std::size_t start = 0;
    bool first = true;
    while (start <= head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string_view::npos) end = head.size();
        const std::string_view line = head.substr(start, end - start);
        if (first) {
            request.requestLine = std::string(line);
            const std::size_t space = line.find(' ');
            request.method = std::string(line.substr(0, space));
            if (space != std::string_view::npos) {
                const std::string_view rest = line.substr(space + 1);
                request.target = std::string(rest.substr(0, rest.find(' ')));
            }
            first = false;
        } else if (!line.empty()) {
            request.headerLines.emplace_back(line);
        }
        start = end + 2;
    }
    return request;
}

std::size_t AnnouncedContentLength(const RecordedRequest& request) {
    const std::optional<std::string> value = request.header("Content-Length");
    if (!value) return 0;
    std::size_t length = 0;
    const auto result = std::from_chars(value->data(), value->data() + value->size(), length);
    return result.ec == std::errc() ? length : 0;
}

}  // namespace dq::testing
