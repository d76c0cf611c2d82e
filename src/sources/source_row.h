// One custom news source as the windows hold it: the five columns of table YHB as texts.
#pragma once

#include "web/text.h"

namespace dq {

struct SourceRow {
    Text id;        // the record key in "%.13g" form
    Text category;  // YHM: the name the user gives the source
    Text address;   // MM: the page that is scraped
    Text pattern;   // JE: the extraction pattern run over that page
    Text date;      // RQ: the day the record was added, as DateTimeText

    bool operator==(const SourceRow&) const = default;
};

}  // namespace dq
