#include "picture/life_page_view.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <QVariant>
#include <vector>

#include "workbench/run_directory.h"

// Exported by Qt Gui for Qt WebEngine, which sets the context itself the same way when it is
// initialised after the application.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace dq {
namespace {

constexpr char kPluginFile[] = "libdq_life_page_view.so";
constexpr char kFactory[] = "dq_create_life_page_view";

using Factory = QWidget* (*)(QWidget*);

std::vector<std::string>& ExtraDirectories() {
    static std::vector<std::string> directories;
    return directories;
}

std::vector<std::string> SearchPath() {
    std::vector<std::string> path = ExtraDirectories();
    path.push_back(ProgramDirectory());
    path.push_back(ProgramDirectory() + "/" DQ_PLUGINDIR_FROM_BINDIR);
    return path;
}

// Chromium refuses to start its sandbox for root; WebEngine reads this when it starts.
void DisableSandboxForRoot() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// WebEngine draws through OpenGL contexts shared with one global context.
// Qt::AA_ShareOpenGLContexts set before the application makes Qt create that context at start,
// which loads the OpenGL driver (Mesa, with LLVM) into every start, used or not; it is made here
// instead, once, just before WebEngine loads, and the attribute set for the widgets created from
// now on.
void ShareOpenGLContexts() {
    if (QOpenGLContext::globalShareContext() != nullptr) return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());  // lives with the app
    context->create();
    qt_gl_set_global_share_context(context);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// The factory of the plug-in, loaded once; nullptr when no plug-in could be loaded (each call
// tries again, so a plug-in installed while the program runs is found).
Factory LoadFactory() {
    static Factory factory = nullptr;
    if (factory) return factory;
    DisableSandboxForRoot();
    ShareOpenGLContexts();
    QString reasons;
    for (const std::string& directory : SearchPath()) {
        // Kept loaded until the process ends: WebEngine cannot be unloaded.
        auto* library = new QLibrary(QString::fromStdString(directory + "/" + kPluginFile));
        factory = reinterpret_cast<Factory>(library->resolve(kFactory));
        if (factory) return factory;
        reasons += "\n  " + library->errorString();
        delete library;
    }
    qWarning("The life page view cannot be shown:%s", qUtf8Printable(reasons));
    return nullptr;
}

}  // namespace

QWidget* CreateLifePageView(QWidget& parent) {
    const Factory factory = LoadFactory();
    return factory ? factory(&parent) : nullptr;
}

void NavigateLifePageView(QWidget& view, const QUrl& address) {
    view.setProperty("url", address);
}

namespace testing {
void AddLifePageViewDirectory(const std::string& directory) {
    ExtraDirectories().push_back(directory);
}
}  // namespace testing

}  // namespace dq
