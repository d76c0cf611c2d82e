// Which widgets the skins leave alone: the contract between the skin engine and the windows.
//
// Every window of the program follows the applied skin, open ones at once and later ones when
// they are created, except widgets that must look the same whatever the skin, such as the
// picture window's page frames, whose pixels become the exported picture. Such a widget
// carries the dynamic property dqSkinExempt = true:
//
//     SetSkinExempt(*pageFrame);   // the same as pageFrame->setProperty("dqSkinExempt", true)
//
// No rule of a skin then reaches it or anything inside it (down to the next window): they keep
// the plain platform look plus whatever style sheet the widget carries itself. The palette of
// the application is never changed by a skin either. Set the property in the widget's
// constructor; setting or clearing it later also works, the engine restyles that part at once.
//
// How: Qt cascades an application style sheet into every widget, and style sheets have no
// "not" selector. So the engine marks every widget outside an exempt part with
// dqSkinned = true when Qt polishes it (and again when it moves to another parent), and every
// rule of a skin file selects on that mark: QPushButton[dqSkinned="true"] { ... }.
#pragma once

#include <QWidget>

namespace dq {

inline constexpr char kSkinExemptProperty[] = "dqSkinExempt";
inline constexpr char kSkinnedProperty[] = "dqSkinned";

inline void SetSkinExempt(QWidget& widget) { widget.setProperty(kSkinExemptProperty, true); }

}  // namespace dq
