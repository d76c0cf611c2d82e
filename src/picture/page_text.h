// Text on the picture page's rich-text boxes: the page's character format (宋体, falling back
// to an installed CJK face, 14 pt, raised 2 pt, no effects, automatic colour).
#pragma once

class QString;
class QTextEdit;

namespace dq {

// Gives box the page text format and sets its text (CR LF and CR end lines).
void SetPageText(QTextEdit& box, const QString& text);

}  // namespace dq
