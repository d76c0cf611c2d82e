// The conversion of one news link into a short link through the interface row selected in
// 超级列表框_接口列表 (see interface_list.h): its method (column 2, "POST" or "GET", exactly),
// parameter template (column 5) and address (column 6), read afresh for every link.
//
//   ShortLinkRun run(pump);                    // one per extraction
//   link = ShortenLink(form, link, run);       // for every link of it
#pragma once

#include <utility>

#include "web/text.h"
#include "workbench/event_pump.h"
#include "workbench/form.h"

namespace dq {

// What the links of one extraction share: the event pump, and whether the service has already
// let one request run into its time-out without any answer. After that the remaining links
// of the extraction get the same empty result without asking again, so a service that takes
// connections but never answers costs one time-out per extraction, not one per link. Refused
// or unreachable services fail fast and keep being asked.
class ShortLinkRun {
public:
    explicit ShortLinkRun(EventPump pump = {}) : pump_(std::move(pump)) {}

    const EventPump& pump() const { return pump_; }
    bool serviceSilent() const { return serviceSilent_; }
    void markServiceSilent() { serviceSilent_ = true; }

private:
    EventPump pump_;
    bool serviceSilent_ = false;
};

// The short link for link; link unchanged when no row is selected or the selected row's
// method is neither "POST" nor "GET" (no request is made then).
Text ShortenLink(const Form& form, const Text& link, ShortLinkRun& run);

// The short link in a service's answer: the member named by the first of "Parameter",
// "tinyurl", "shortUrl" (in any letter case), "url_short", "url", "list" that occurs anywhere
// in the answer text; the answer itself when none occurs.
Text ShortLinkFromResponse(const Text& answer);

// Every byte as "%" and two upper-case hex digits. keepUnreserved leaves "-", ".", digits and
// ASCII letters as they are; utf8First encodes the UTF-8 form of the text instead.
Text PercentEncode(const Text& text, bool keepUnreserved = false, bool utf8First = false);

}  // namespace dq
