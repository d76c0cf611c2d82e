// "生成图片" from the click to the file written (grab of the 640 × 800 page, encode, write),
// and the encode alone beside a bare libjpeg-turbo encode with cjpeg's settings
// (cjpeg -quality 75 -baseline -optimize -smooth 10) of the same raster.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>

#include "picture/jpeg_encoder.h"
#include "picture/life_page_view.h"
#include "picture/picture_export.h"
#include "picture/picture_window.h"
#include "web/encoding.h"
#include "workbench/dialogs.h"
#include "workbench/plain_form.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_picture";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    static QApplication* const app = new QApplication(argc, argv);
    return *app;
}

// The picture window with a previewed page of twelve headlines, exporting into a temporary
// directory; success windows are recorded, not shown.
struct Fixture {
    Fixture() {
        Application();
        dq::testing::AddLifePageViewDirectory(DQ_LIFE_PAGE_VIEW_DIR);
        std::string news;
        for (int i = 1; i <= 12; ++i)
            news += std::to_string(i) + "、今日要闻标题，长度和真实的新闻标题相近，第" +
                    std::to_string(i) + "条\r\n";
        form.texts["编辑框_新闻"] = dq::Utf8ToAnsi(news);
        form.texts["城镇"] = dq::Utf8ToAnsi("北京");
        window = std::make_unique<dq::PictureWindow>(form, state, directory.path().toStdString());
        window->show();
        window->findChild<QTextEdit*>(QStringLiteral("超级编辑框_新闻"))
            ->setPlainText(QString::fromStdString(news));
        QCoreApplication::processEvents();
    }
    QAbstractButton* button(const char* name) const {
        return window->findChild<QAbstractButton*>(QString::fromUtf8(name));
    }
    void removePictures() const {
        QDir dir(directory.path());
        for (const QString& file : dir.entryList(QDir::Files)) dir.remove(file);
    }
    dq::Dialogs::TestMode dialogs;
    dq::PlainForm form;
    dq::WorkbenchState state;
    QTemporaryDir directory;
    std::unique_ptr<dq::PictureWindow> window;
};

Fixture& TheFixture() {
    static Fixture* const fixture = new Fixture;
    return *fixture;
}

QImage PageRaster() {
    Fixture& fixture = TheFixture();
    return dq::PictureRaster(
        fixture.window->findChild<QWidget*>(QStringLiteral("外形框_图片"))->grab().toImage());
}

void BM_ExportClickToFile(benchmark::State& state) {
    Fixture& fixture = TheFixture();
    QAbstractButton* exportButton = fixture.button("按钮1");
    for (auto _ : state) {
        exportButton->click();
        state.PauseTiming();
        fixture.removePictures();
        dq::Dialogs::clearShown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExportClickToFile)->Unit(benchmark::kMillisecond);

void BM_EncodeJpeg(benchmark::State& state) {
    const QImage raster = PageRaster();
    for (auto _ : state) {
        const dq::JpegEncoding jpeg = dq::EncodeJpeg(
            {raster.constBits(), raster.width(), raster.height(), raster.bytesPerLine()});
        benchmark::DoNotOptimize(jpeg.bytes.data());
    }
}
BENCHMARK(BM_EncodeJpeg)->Unit(benchmark::kMillisecond);

// What cjpeg does with those options, from memory to memory.
void BM_BareLibjpegEncode(benchmark::State& state) {
    const QImage raster = PageRaster();
    for (auto _ : state) {
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* output = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &output, &size);
        info.image_width = static_cast<JDIMENSION>(raster.width());
        info.image_height = static_cast<JDIMENSION>(raster.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 75, TRUE);
        info.optimize_coding = TRUE;
        info.smoothing_factor = 10;
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(raster.constScanLine(
                static_cast<int>(info.next_scanline)));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        benchmark::DoNotOptimize(output);
        std::free(output);
    }
}
BENCHMARK(BM_BareLibjpegEncode)->Unit(benchmark::kMillisecond);

}  // namespace
