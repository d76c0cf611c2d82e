// The pictures of the windows, compiled in as the resource ":/pictures".
#pragma once

namespace dq {

// Registers the resource once; every window that shows a picture calls it before its setup.
// (The resource lives in a static library, where nothing else would pull it in.)
void RegisterWindowPictures();

}  // namespace dq
