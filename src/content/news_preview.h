// The news preview: the current page of 高级选择夹_新闻 and its first checked radio button (or
// the chosen custom source) select a page and a pattern; the page is fetched, converted where
// it is UTF-8, and its headlines are appended to 编辑框_新闻.
#pragma once

#include "workbench/event_pump.h"
#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/workbench_state.h"

namespace dq {

// 新闻预览 clicked, one-click generation and the quote preview.
// pump runs while short links are made.
void NewsPreview(Form& form, WorkbenchState& state, Messages& messages,
                 const EventPump& pump = {});

}  // namespace dq
