// The export of the picture page: the captured page at exactly 640 × 800, encoded as JPEG and
// written into a directory under the date-time name of the moment, without ever replacing a
// file or leaving a temporary one.
#pragma once

#include <QImage>
#include <string>

#include "workbench/date_time_text.h"

namespace dq {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 800;

struct PictureExport {
    std::string path;   // the picture written (UTF-8); empty on failure
    std::string wanted; // the name the picture was to have, for the error message (UTF-8)
    std::string error;  // why nothing was written (UTF-8); empty on success
};

// The page stretched to 640 × 800 (when it has another size) as an RGB raster.
QImage PictureRaster(const QImage& page);

// Writes the page as DateTimeText(moment) + ".jpg" into directory, or with "(2)", "(3)", ...
// before ".jpg" when that name is taken.
PictureExport ExportPicture(const QImage& page, const std::string& directory,
                            const LocalDateTime& moment);

}  // namespace dq
