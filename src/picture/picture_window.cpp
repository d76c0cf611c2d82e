#include "picture/picture_window.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTextEdit>

#include "appearance/skin_exempt.h"
#include "content/weather.h"
#include "picture/life_page_view.h"
#include "picture/page_text.h"
#include "picture/picture_export.h"
#include "picture/picture_texts.h"
#include "robots/post_briefing.h"
#include "ui_picture_window.h"
#include "workbench/busy_state.h"
#include "workbench/control_names.h"
#include "workbench/qt_text.h"
#include "workbench/run_directory.h"
#include "workbench/window_pictures.h"

namespace dq {
namespace {

enum Page { kWeatherPage = 0, kStandardPage = 1 };

// The web view inside 外形框1: only the band 334 to 409 px below the page's top shows.
const QRect kLifePageViewGeometry(-4, -334, 688, 528);

}  // namespace

PictureWindow::PictureWindow(const Form& mainForm, const WorkbenchState& state,
                             std::string directory, QWidget* parent, Clock clock)
    : QDialog(parent),
      ui_(std::make_unique<Ui::PictureWindow>()),
      mainForm_(mainForm),
      state_(state),
      directory_(std::move(directory)),
      clock_(std::move(clock)),
      dialogs_(this) {
    RegisterWindowPictures();
    ui_->setupUi(this);
    setFixedSize(size());
    // The pages become the exported pictures: white paper, the same whatever the skin.
    for (QWidget* page : {ui_->外形框_图片, ui_->外形框_图片1}) {
        SetSkinExempt(*page);
        QPalette paper = page->palette();
        paper.setColor(QPalette::Window, Qt::white);
        page->setPalette(paper);
        page->setAutoFillBackground(true);
    }
    ui_->透明标签1->setText(ToQString(picture_texts::FolderLabel(PortableLayout(), directory_)));

    lifePageView_ = CreateLifePageView(*ui_->外形框1);
    if (lifePageView_) {
        lifePageView_->setObjectName(QString::fromUtf8(controls::kLifePageView.data(),
                                                       controls::kLifePageView.size()));
        lifePageView_->setGeometry(kLifePageViewGeometry);
    }
    for (QLabel* qr : {ui_->图片框2, ui_->图片框4}) {
        qr->hide();
        qr->installEventFilter(this);
    }

    connect(ui_->按钮2, &QPushButton::clicked, this, &PictureWindow::preview);
    connect(ui_->按钮1, &QPushButton::clicked, this, &PictureWindow::exportPicture);
    connect(ui_->按钮_二维码, &QPushButton::clicked, this, &PictureWindow::addQrPicture);
    connect(ui_->按钮4, &QPushButton::clicked, this, &QDialog::close);
}

PictureWindow::~PictureWindow() = default;

void PictureWindow::preview() {
    switch (ui_->高级选择夹_图片->currentIndex()) {
    case kWeatherPage: previewWeatherPage(); break;
    case kStandardPage: previewStandardPage(); break;
    default: break;  // the empty third page
    }
}

void PictureWindow::previewWeatherPage() {
    ui_->超级编辑框_头部->clear();
    if (lifePageView_) {
        const Text address = WeatherLifePageAddress(CitySlug(mainForm_));
        NavigateLifePageView(*lifePageView_, QUrl(ToQString(address)));
    }
    SetPageText(*ui_->超级编辑框_头部,
                ToQString(WeatherWeekLine(state_) + picture_texts::Rule()));
    SetPageText(*ui_->超级编辑框_新闻, ToQString(mainForm_.text(controls::kNewsBox)));
}

void PictureWindow::previewStandardPage() {
    ui_->超级编辑框_头部->clear();
    BusyState busy;  // the range line fetches the weather page again
    // The pieces in this order: each may show its own message.
    Text header = WeatherHeader(mainForm_, state_, dialogs_);
    header += "\r\n";
    header += WeatherWeekLine(state_);
    header += picture_texts::Rule();
    Text weather = WeatherAverageText(state_);
    weather += WeatherRangeLine(mainForm_, state_);
    weather += WeatherDetailLine(state_, dialogs_);
    SetPageText(*ui_->超级编辑框_头部1, ToQString(header));
    SetPageText(*ui_->超级编辑框_天气1, ToQString(weather));
    SetPageText(*ui_->超级编辑框_新闻1, ToQString(mainForm_.text(controls::kNewsBox)));
}

void PictureWindow::addQrPicture() {
    ui_->图片框2->show();
    ui_->图片框4->show();
    ui_->图片框2->raise();
    ui_->图片框4->raise();
    QLabel* target = nullptr;
    switch (ui_->高级选择夹_图片->currentIndex()) {
    case kWeatherPage: target = ui_->图片框2; break;
    case kStandardPage: target = ui_->图片框4; break;
    default: return;
    }
    // Like the platform's file dialog, a cancelled dialog keeps the name chosen last time.
    const QString chosen = dialogs_.openFileName(QString(), QString::fromUtf8(picture_texts::kQrFilter));
    if (!chosen.isEmpty()) lastQrFile_ = chosen;
    QPixmap picture;
    QFile file(lastQrFile_);
    if (!lastQrFile_.isEmpty() && file.open(QIODevice::ReadOnly)) picture.loadFromData(file.readAll());
    target->setPixmap(picture);
}

// The left button drags a QR box anywhere inside its page.
bool PictureWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* qr = qobject_cast<QLabel*>(watched);
    if (!qr || (qr != ui_->图片框2 && qr != ui_->图片框4)) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        dragGrip_ = mouse->position().toPoint();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton)) return false;
        const QWidget* page = qr->parentWidget();
        QPoint place = qr->pos() + mouse->position().toPoint() - dragGrip_;
        place.setX(std::clamp(place.x(), 0, std::max(0, page->width() - qr->width())));
        place.setY(std::clamp(place.y(), 0, std::max(0, page->height() - qr->height())));
        qr->move(place);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PictureWindow::exportPicture() {
    QWidget* page = nullptr;
    switch (ui_->高级选择夹_图片->currentIndex()) {
    case kWeatherPage: page = ui_->外形框_图片; break;
    case kStandardPage: page = ui_->外形框_图片1; break;
    default: return;
    }
    // Frames the web view has rendered meanwhile arrive as events: let them in first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const PictureExport exported = ExportPicture(page->grab().toImage(), directory_, clock_());
    if (!exported.error.empty()) {
        dialogs_.show(picture_texts::NotExported(exported.wanted, exported.error),
                      MessageIcon::Error);
        return;
    }
    dialogs_.showSuccess();
    if (ui_->选择框_发到群->isChecked()) postToGroup(exported.path);
}

// The picture just written, as the robots get it: the file's bytes.
void PictureWindow::postToGroup(const std::string& picture) {
    QFile file(QString::fromStdString(picture));
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.show(picture_texts::NotPosted(picture, file.errorString().toStdString()),
                      MessageIcon::Error);
        return;
    }
    const QByteArray jpeg = file.readAll();
    BusyState busy;
    robots::PostPictureToGroup(std::string_view(jpeg.constData(), jpeg.size()), dialogs_,
                               directory_, BusyState::Pump());
}

}  // namespace dq
