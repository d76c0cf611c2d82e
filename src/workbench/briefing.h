// The briefing as output: the text of 编辑框_天气 followed by that of 编辑框_新闻, rebuilt and
// written to wx.txt by one click, or cleared.
#pragma once

#include <functional>
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

// The pieces of the briefing, in the order one-click generation rebuilds them.
enum class BriefingStep { Weather, News, Quote };

// The first part of one-click generation: checks the news box and the city (showing the
// failed check's message and returning false), then rebuilds weather, news and quote, telling
// onStep before each piece when given.
bool RebuildBriefing(Form& form, WorkbenchState& state, Messages& messages,
                     const std::function<void(BriefingStep)>& onStep = {},
                     const EventPump& pump = {});

// Writes the briefing text to path atomically. A failure is shown as an error naming the file
// and the reason; returns whether the file was written.
bool WriteBriefing(const Form& form, Messages& messages, const std::string& path);

// 一键生成 clicked: rebuilds the briefing, writes wx.txt in directory and shows the success
// window (or the error of the write instead). pump runs while short links are made.
void GenerateBriefing(Form& form, WorkbenchState& state, Messages& messages,
                      const std::string& directory, const EventPump& pump = {});

// 按钮5 clicked: puts the briefing text, as the boxes hold it, on the clipboard and shows the
// success window. Nothing is rebuilt.
void CopyBriefing(const Form& form, Clipboard& clipboard, Messages& messages);

// 按钮1 clicked: empties 编辑框_天气 and 编辑框_新闻.
void ClearPreviews(Form& form);

}  // namespace dq
