#include "workbench/window_pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the resource's initializer, which lives in the global namespace.
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace dq {

void RegisterWindowPictures() {
    static const bool registered = [] {
        InitPictures();
        return true;
    }();
    (void)registered;
}

}  // namespace dq
