#include "workbench/main_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include "appearance/skin_choice.h"
#include "appearance/skin_engine.h"
#include "content/news_preview.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "health/source_check_window.h"
#include "picture/picture_window.h"
#include "robots/post_briefing.h"
#include "robots/robot_settings_window.h"
#include "shortlink/interface_list.h"
#include "sources/source_manager_window.h"
#include "ui_main_window.h"
#include "workbench/briefing.h"
#include "workbench/busy_state.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"
#include "workbench/own_presets.h"
#include "workbench/qt_text.h"
#include "workbench/window_pictures.h"

namespace dq {
namespace {

class SystemClipboard : public Clipboard {
  public:
    void setText(const Text& text) override {
        QGuiApplication::clipboard()->setText(ToQString(text));
    }
};

// Widths of the interface list's columns: number and name are shown, the five columns that
// carry the service's details are kept but not shown.
constexpr int kNumberColumnWidth = 40;
constexpr int kNameColumnWidth = 103;
constexpr int kListColumns = 7;

}  // namespace

MainWindow::MainWindow(WorkbenchState& state, std::string runDirectory, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindow>()),
      state_(state),
      runDirectory_(std::move(runDirectory)),
      form_(*this),
      dialogs_(this),
      presets_(runDirectory_) {
    RegisterWindowPictures();
    ui_->setupUi(this);
    prepareControls();
    connectHandlers();
    runCreationSequence();
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareControls() {
    // The designed place of the window (setupUi sets only its size).
    move(50, 50);
    setFixedSize(size());
    QTreeWidget& list = *ui_->超级列表框_接口列表;
    list.header()->setStretchLastSection(false);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setColumnWidth(0, kNumberColumnWidth);
    list.setColumnWidth(1, kNameColumnWidth);
    for (int column = 2; column < kListColumns; ++column) list.setColumnHidden(column, true);
    ui_->透明标签9->installEventFilter(this);
}

// Every handler is bound to an action of the user (a click, a chosen list item, Enter, a menu
// item), never to a change of state, so states written by code run no handler.
void MainWindow::connectHandlers() {
    connect(ui_->城镇, &QLineEdit::returnPressed, this, &MainWindow::weatherPreview);
    connect(ui_->天气预览, &QPushButton::clicked, this, &MainWindow::weatherPreview);
    connect(ui_->单选框_天气开, &QRadioButton::clicked, this, &MainWindow::weatherOn);
    connect(ui_->单选框_天气关, &QRadioButton::clicked, this, &MainWindow::weatherOff);
    connect(ui_->新闻预览, &QPushButton::clicked, this, &MainWindow::newsPreview);
    connect(ui_->组合框_新闻条数, &QComboBox::activated, this, &MainWindow::newsCountChosen);
    connect(ui_->寄语随即查看, &QPushButton::clicked, this, &MainWindow::drawQuote);
    connect(ui_->寄语预览, &QPushButton::clicked, this, &MainWindow::quotePreview);
    connect(ui_->单选框_晨报默认头部, &QRadioButton::clicked, this,
            [this] { showBriefingHeaderBox(false); });
    connect(ui_->单选框_晨报自定义头部, &QRadioButton::clicked, this,
            [this] { showBriefingHeaderBox(true); });
    connect(ui_->单选框_寄语默认头部, &QRadioButton::clicked, this,
            [this] { showQuoteHeaderBox(false); });
    connect(ui_->单选框_寄语自定义头部, &QRadioButton::clicked, this,
            [this] { showQuoteHeaderBox(true); });
    connect(ui_->选择框_开启网址, &QCheckBox::clicked, this, &MainWindow::linksClicked);
    connect(ui_->选择框_开启短链, &QCheckBox::clicked, this, &MainWindow::shortLinksClicked);
    connect(ui_->按钮_获取接口, &QPushButton::clicked, this, &MainWindow::fetchInterfaceList);
    connect(ui_->按钮_信息源管理, &QPushButton::clicked, this, &MainWindow::openSourceManager);
    connect(ui_->作者, &QAction::triggered, this, &MainWindow::openTipWindow);
    connect(ui_->信息源检测, &QAction::triggered, this, &MainWindow::openSourceCheck);
    connect(ui_->群机器人, &QAction::triggered, this, &MainWindow::openRobotSettings);
    connect(ui_->皮肤_组合框, &QComboBox::activated, this, &MainWindow::applySkin);
    connect(ui_->按钮_保存, &QPushButton::clicked, this, &MainWindow::savePresets);
    connect(ui_->一键生成, &QPushButton::clicked, this, &MainWindow::generateBriefing);
    connect(ui_->按钮5, &QPushButton::clicked, this, &MainWindow::copyBriefing);
    connect(ui_->按钮_发送到群, &QPushButton::clicked, this, &MainWindow::postBriefing);
    connect(ui_->按钮1, &QPushButton::clicked, this, &MainWindow::clearPreviews);
    connect(ui_->更换背景, &QPushButton::clicked, this, &MainWindow::changeBackground);
    connect(ui_->超级列表框_接口列表, &QTreeWidget::itemSelectionChanged, this,
            &MainWindow::interfaceSelected);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->透明标签9 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openTipWindow();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Every handler that waits on the network holds a BusyState: busy cursor, input dropped.
void MainWindow::weatherPreview() {
    BusyState busy;
    WeatherPreview(form_, state_, dialogs_);
}

void MainWindow::weatherOn() { WeatherOnStep(form_); }

void MainWindow::weatherOff() { WeatherOffStep(form_, state_, dialogs_); }

void MainWindow::newsPreview() {
    BusyState busy;
    NewsPreview(form_, state_, dialogs_, BusyState::Pump());
}

void MainWindow::newsCountChosen(int index) { state_.newsCount = index + 5; }

void MainWindow::drawQuote() { DrawQuote(form_, dialogs_); }

void MainWindow::quotePreview() {
    BusyState busy;
    QuotePreview(form_, state_, dialogs_, [this] { newsPreview(); });
}

void MainWindow::showBriefingHeaderBox(bool visible) {
    form_.setVisible(controls::kCustomHeader, visible);
}

void MainWindow::showQuoteHeaderBox(bool visible) {
    form_.setVisible(controls::kQuoteHeaderBox, visible);
}

// Short links on implies links on: unchecking the links unchecks the short links, and any
// click on the short links leaves the links checked.
void MainWindow::linksClicked() {
    if (!form_.checked(controls::kLinksOn)) form_.setChecked(controls::kShortLinksOn, false);
}

void MainWindow::shortLinksClicked() {
    if (!form_.checked(controls::kLinksOn)) form_.setChecked(controls::kLinksOn, true);
}

void MainWindow::openTipWindow() { dialogs_.showTip(); }

void MainWindow::openRobotSettings() {
    robots::RobotSettingsWindow window(runDirectory_, dialogs_, this);
    dialogs_.openModal(window);
}

void MainWindow::savePresets() { presets_.saveAll(form_, dialogs_); }

void MainWindow::generateBriefing() {
    BusyState busy;
    GenerateBriefing(form_, state_, dialogs_, runDirectory_, BusyState::Pump());
}

void MainWindow::copyBriefing() {
    SystemClipboard clipboard;
    CopyBriefing(form_, clipboard, dialogs_);
}

void MainWindow::postBriefing() {
    BusyState busy;
    robots::PostBriefing(form_, dialogs_, runDirectory_, BusyState::Pump());
}

void MainWindow::clearPreviews() { ClearPreviews(form_); }

void MainWindow::changeBackground() {
    if (form_.text(controls::kCity).empty()) {
        dialogs_.show(messages::NoCity());
        return;
    }
    openPictureWindow();
}

// A choice (or the saved index at start) applies its skin at once; nothing is saved.
void MainWindow::applySkin(int index) { ApplySkin(SkinForChoice(index)); }

// Not modal: the check runs in the background while the user goes on working.
void MainWindow::openSourceCheck() {
    auto* window = new SourceCheckWindow(
        SourcesToCheck(state_, form_.checked(controls::kSourceIsUtf8)), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

// The selected interface is kept in our own presets, for the runs without a window.
void MainWindow::interfaceSelected() { SaveInterfaceRow(form_, presets_); }

void MainWindow::fetchInterfaceList() {
    BusyState busy;
    FetchInterfaceList(form_, dialogs_, BusyState::Pump());
}

void MainWindow::openSourceManager() {
    OpenSourceManager(*this, form_, state_, presets_, runDirectory_, dialogs_);
}

void MainWindow::openPictureWindow() {
    PictureWindow window(form_, state_, runDirectory_, this);
    dialogs_.openModal(window);
}

}  // namespace dq
