#include "content/news_preview.h"

#include "content/news_catalogue.h"
#include "content/news_extraction.h"
#include "web/encoding.h"
#include "web/fetch.h"
#include "workbench/control_names.h"

namespace dq {

void NewsPreview(Form& form, WorkbenchState& state, Messages& messages, const EventPump& pump) {
    const std::optional<NewsRequest> source = ChosenNewsSource(form, state);
    if (!source) return;  // nothing chosen on the current page: the box keeps its text
    form.setText(controls::kNewsBox, Text{});
    Text page = WebFetch(source->address);
    if (source->fromUtf8) page = Utf8ToAnsi(page);
    ExtractNews(form, state, messages, source->pattern, page, source->groups, pump);
}

}  // namespace dq
