// The briefing as output: the text of 编辑框_天气 followed by that of 编辑框_新闻, rebuilt and
// written to wx.txt by one click, or cleared.
#pragma once

#include <string>

#include "web/text.h"
#include "workbench/clipboard.h"
#include "workbench/event_pump.h"
#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/workbench_state.h"

namespace dq {

// The weather box text followed directly by the news box text.
Text BriefingText(const Form& form);

// 一键生成 clicked: checks the news box and the city, rebuilds weather, news and quote, writes
// wx.txt in directory atomically and shows the success window (or an error naming the file
// and the reason when it could not be written).
// pump runs while short links are made.
void GenerateBriefing(Form& form, WorkbenchState& state, Messages& messages,
                      const std::string& directory, const EventPump& pump = {});

// 按钮5 clicked: puts the briefing text, as the boxes hold it, on the clipboard and shows the
// success window. Nothing is rebuilt.
void CopyBriefing(const Form& form, Clipboard& clipboard, Messages& messages);

// 按钮1 clicked: empties 编辑框_天气 and 编辑框_新闻.
void ClearPreviews(Form& form);

}  // namespace dq
