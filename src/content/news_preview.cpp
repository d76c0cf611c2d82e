#include "content/news_preview.h"

#include "content/news_catalogue.h"
#include "content/news_extraction.h"
#include "web/fetch.h"
#include "workbench/control_names.h"

namespace dq {

void NewsPreview(Form& form, WorkbenchState& state, Messages& messages, const EventPump& pump) {
    const std::optional<NewsRequest> source = ChosenNewsSource(form, state);
    if (!source) return;  // nothing chosen on the current page: the box keeps its text
    form.setText(controls::kNewsBox, Text{});
    Text page = WebFetch(source->address);
    // A UTF-8 page is matched on the UTF-8 it came in where that is what decoding its GBK
    // form would give, so it is not converted there and back.
    services::GbkSubject subject = source->fromUtf8 ? services::GbkSubject::FromUtf8(std::move(page))
                                                    : services::GbkSubject(std::move(page));
    ExtractNews(form, state, messages, source->pattern, std::move(subject), source->groups, pump);
}

}  // namespace dq
