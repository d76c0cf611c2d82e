// The web view of the picture window's life-page band, created through the plug-in
// libdq_life_page_view.so, which is loaded (and Qt WebEngine with it) the first time a view
// is asked for. The plug-in is looked for beside the program and in the installed plug-in
// folder seen from the program's directory (../lib/dawnquill with the default folders), where
// `cmake --install` puts it.
#pragma once

#include <QUrl>
#include <QWidget>
#include <string>

namespace dq {

// A new web view, child of parent; nullptr (with a warning on the log) when the plug-in
// cannot be loaded. Running as root, Chromium's sandbox cannot start, so it is turned off
// (QTWEBENGINE_DISABLE_SANDBOX=1) unless the environment already says otherwise.
QWidget* CreateLifePageView(QWidget& parent);

// Navigates a view made by CreateLifePageView.
void NavigateLifePageView(QWidget& view, const QUrl& address);

namespace testing {
// Looks for the plug-in in directory first (a build tree's output directory).
void AddLifePageViewDirectory(const std::string& directory);
}  // namespace testing

}  // namespace dq
