// The plug-in that holds the picture window's web view, so that Qt WebEngine is loaded only
// when the picture window first opens and the program starts without it.
#include <QWebEngineView>
#include <QtGlobal>

// The web view as a child of parent; the window moves and navigates it through QWidget and
// the view's "url" property, so it never needs the WebEngine headers itself.
extern "C" Q_DECL_EXPORT QWidget* dq_create_life_page_view(QWidget* parent) {
    return new QWebEngineView(parent);
}
