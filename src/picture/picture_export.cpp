#include "picture/picture_export.h"

#include "picture/jpeg_encoder.h"
#include "picture/new_file.h"
#include "web/encoding.h"

namespace dq {
namespace {

constexpr char kExtension[] = ".jpg";

}  // namespace

QImage PictureRaster(const QImage& page) {
    QImage raster = page.size() == QSize(kPictureWidth, kPictureHeight)
                        ? page
                        : page.scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    return raster.convertToFormat(QImage::Format_RGB888);
}

PictureExport ExportPicture(const QImage& page, const std::string& directory,
                            const LocalDateTime& moment) {
    const std::string stem = AnsiToUtf8(DateTimeText(moment));
    PictureExport result;
    result.wanted = directory + "/" + FreeNameCandidate(stem, kExtension, 1);
    if (page.isNull()) {
        result.error = "no picture to export";
        return result;
    }
    const QImage raster = PictureRaster(page);
    const JpegEncoding jpeg = EncodeJpeg(
        {raster.constBits(), raster.width(), raster.height(), raster.bytesPerLine()});
    if (!jpeg.error.empty()) {
        result.error = jpeg.error;
        return result;
    }
    const NewFile written = WriteNewFile(directory, stem, kExtension, jpeg.bytes);
    result.path = written.path;
    result.error = written.error;
    return result;
}

}  // namespace dq
