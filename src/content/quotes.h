// The daily quotes: the two carried quote libraries, the random draw into 编辑框_寄语, the quote
// header and the quote block that the quote preview appends to 编辑框_新闻.
#pragma once

#include <cstddef>
#include <functional>

#include "web/text.h"
#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/workbench_state.h"

namespace dq {

// Library 1 (motivational sayings) and library 2 (lines of the Daodejing), GBK, quotes joined
// by CR LF.
const Text& QuoteLibrary(int number);

// 寄语随即查看 clicked and start-up: a random quote of the chosen library into 编辑框_寄语.
void DrawQuote(Form& form, Messages& messages);

// Decides the quote header, updating state.quoteHeader, and returns it.
Text QuoteHeaderText(const Form& form, WorkbenchState& state, Messages& messages);

// 寄语预览 clicked and one-click generation: runs newsPreview, then appends the quote block.
void QuotePreview(Form& form, WorkbenchState& state, Messages& messages,
                  const std::function<void()>& newsPreview);

namespace testing {

// From now on every draw takes the quote numbered piece (from 1) of the chosen library instead
// of a random one, so that tests can compare whole briefings; 0 draws at random again. The
// program never calls it.
void FixQuoteDraw(std::size_t piece);

}  // namespace testing
}  // namespace dq
