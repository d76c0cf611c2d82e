#include "sources/source_manager_window.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "sources/source_add_window.h"
#include "sources/source_modify_window.h"
#include "sources/source_query_window.h"
#include "sources/source_rows.h"
#include "sources/source_statements.h"
#include "sources/source_texts.h"
#include "ui_source_manager_window.h"
#include "web/encoding.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"
#include "workbench/preset_keys.h"
#include "workbench/qt_text.h"

namespace dq {
namespace {

using namespace dq::literals;

constexpr char kDatabaseFile[] = "Sorvane.db";

const QStringList& ColumnCaptions() {
    static const QStringList captions = {QStringLiteral("编  号"), QStringLiteral("新闻类别"),
                                         QStringLiteral("网    址"), QStringLiteral("正    则"),
                                         QStringLiteral("日    期")};
    return captions;
}

// The key column is there but not shown.
constexpr std::array<int, 5> kOpeningWidths = {0, 85, 100, 100, 100};
constexpr std::array<int, 5> kQueryWidths = {0, 60, 80, 60, 100};

std::vector<Text> Cells(const SourceRow& row) {
    return {row.id, row.category, row.address, row.pattern, row.date};
}

}  // namespace

SourceManagerWindow::SourceManagerWindow(const std::string& databasePath, WorkbenchState& state,
                                         const PresetStore& presets, Form& mainForm,
                                         QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SourceManagerWindow>()),
      form_(*this),
      dialogs_(this),
      menu_(this),
      state_(state),
      presets_(presets),
      mainForm_(mainForm) {
    ui_->setupUi(this);
    setFixedSize(size());
    QTreeWidget& list = *ui_->超级列表框_自定义新闻源;
    list.header()->setStretchLastSection(false);
    list.header()->setMinimumSectionSize(0);
    list.viewport()->installEventFilter(this);

    menu_.setObjectName(QString::fromUtf8(controls::kSourceMenu));
    menu_.addSeparator();
    connect(menu_.addAction(QStringLiteral("修改信息源")), &QAction::triggered, this,
            &SourceManagerWindow::modify);
    connect(menu_.addAction(QStringLiteral("删除")), &QAction::triggered, this,
            &SourceManagerWindow::remove);

    connect(ui_->按钮_查询, &QPushButton::clicked, this, &SourceManagerWindow::query);
    connect(ui_->按钮_添加, &QPushButton::clicked, this, &SourceManagerWindow::add);
    connect(ui_->按钮_修改, &QPushButton::clicked, this, &SourceManagerWindow::modify);
    connect(ui_->按钮_删除, &QPushButton::clicked, this, &SourceManagerWindow::remove);
    connect(&list, &QWidget::customContextMenuRequested, this, &SourceManagerWindow::showMenu);

    database_.open(databasePath);
    fillList(AllSources(), kOpeningWidths);
}

SourceManagerWindow::~SourceManagerWindow() = default;

// A double-click anywhere in the list chooses, also below the last row (then no row is
// selected and the choice is empty).
bool SourceManagerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->超级列表框_自定义新闻源->viewport() &&
        event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        choose();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SourceManagerWindow::fillList(const SourceStatement& query, const ColumnWidths& widths) {
    QTreeWidget& list = *ui_->超级列表框_自定义新闻源;
    list.setColumnCount(0);
    list.setHeaderLabels(ColumnCaptions());
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        list.setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
    form_.clearRows(controls::kSourceList);
    for (const SourceRow& row : ReadSourceRows(database_, query)) {
        form_.addRow(controls::kSourceList, Cells(row));
    }
}

void SourceManagerWindow::query() {
    SourceQueryWindow window(this);
    dialogs_.openModal(window);
    const SourceQuery& wanted = window.query();
    if (wanted.mode == SourceQuery::Mode::None) return;
    fillList(wanted.mode == SourceQuery::Mode::Keyword ? SourcesByCategory(wanted.keyword)
                                                       : AllSources(),
             kQueryWidths);
}

// The new record is appended even when the list shows a query result it does not match.
void SourceManagerWindow::add() {
    SourceAddWindow window(database_, trialSettings(), today_, this);
    dialogs_.openModal(window);
    if (window.added()) {
        if (const std::optional<SourceRow> newest = ReadNewestSourceRow(database_)) {
            const int row = form_.addRow(controls::kSourceList, Cells(*newest));
            form_.setSelectedRow(controls::kSourceList, row);
        }
    }
    ui_->超级列表框_自定义新闻源->setFocus();
}

int SourceManagerWindow::selectedRowOrTell(const Text& message) {
    const int row = form_.selectedRow(controls::kSourceList);
    if (row < 0) {
        dialogs_.showBox(message, sources::kFriendlyTip, MessageIcon::Information,
                         QMessageBox::Ok);
    }
    return row;
}

void SourceManagerWindow::modify() {
    const int row = selectedRowOrTell(sources::NothingToModifyMessage());
    if (row < 0) return;
    const auto cell = [&](int column) { return form_.cell(controls::kSourceList, row, column); };
    SourceRow edited = {cell(0), cell(1), cell(2), cell(3), cell(4)};
    SourceModifyWindow window(database_, edited, trialSettings(), this);
    dialogs_.openModal(window);
    // After a cancelled modify these are the row's own texts.
    const std::vector<Text> cells = Cells(edited);
    for (int column = 1; column <= 4; ++column) {
        form_.setCell(controls::kSourceList, row, column, cells[static_cast<std::size_t>(column)]);
    }
    ui_->超级列表框_自定义新闻源->setFocus();
}

void SourceManagerWindow::remove() {
    const int row = selectedRowOrTell(sources::NothingToDeleteMessage());
    if (row < 0) return;
    const int answer =
        dialogs_.showBox(sources::ReallyDeleteMessage(), sources::kDeleteTitle,
                         MessageIcon::Warning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        ui_->超级列表框_自定义新闻源->setFocus();
        return;
    }
    if (database_.execute(DeleteSource(form_.cell(controls::kSourceList, row, 0)))) {
        dialogs_.show(sources::DeletedMessage(), MessageIcon::Information);
        form_.removeRow(controls::kSourceList, row);
    } else {
        dialogs_.show(sources::NotDeletedMessage(), MessageIcon::Information);
    }
    // The row that moved into the place, or the new last row when the last one went.
    const int rows = form_.rowCount(controls::kSourceList);
    form_.setSelectedRow(controls::kSourceList, row == rows ? row - 1 : row);
    ui_->超级列表框_自定义新闻源->setFocus();
}

void SourceManagerWindow::choose() {
    const int row = form_.selectedRow(controls::kSourceList);
    state_.sourceName = form_.cell(controls::kSourceList, row, 1);
    state_.sourceUrl = form_.cell(controls::kSourceList, row, 2);
    state_.sourcePattern = form_.cell(controls::kSourceList, row, 3);
    mainForm_.setText(controls::kCurrentSourceLabel,
                      messages::CurrentChoicePrefix() + state_.sourceName);
    const std::pair<const Text&, const Text&> presets[] = {
        {preset::SourceName(), state_.sourceName},
        {preset::SourceUrl(), state_.sourceUrl},
        {preset::SourcePattern(), state_.sourcePattern},
    };
    for (const auto& [key, value] : presets) {
        if (const std::string reason = presets_.write(key, value); !reason.empty()) {
            // The choice holds for this run; say that it will not come back after a restart.
            dialogs_.show("选择的信息源没有保存：无法写入文件 "_gbk + Utf8ToAnsi(presets_.path()) +
                              "（"_gbk + Utf8ToAnsi(reason) + "）"_gbk,
                          MessageIcon::Warning);
            break;
        }
    }
    accept();
}

void SourceManagerWindow::showMenu(const QPoint& position) {
    menu_.popup(ui_->超级列表框_自定义新闻源->viewport()->mapToGlobal(position));
}

PatternTrialSettings SourceManagerWindow::trialSettings() const {
    PatternTrialSettings settings;
    settings.fromUtf8 = mainForm_.checked(controls::kSourceIsUtf8);
    settings.linksOn = mainForm_.checked(controls::kLinksOn);
    settings.linkBase = mainForm_.text(controls::kLinkBase);
    return settings;
}

void OpenSourceManager(QWidget& mainWindow, Form& mainForm, WorkbenchState& state,
                       const PresetStore& presets, const std::string& runDirectory,
                       Dialogs& dialogs) {
    const std::string path = runDirectory + "/" + kDatabaseFile;
    SourceManagerWindow window(path, state, presets, mainForm, &mainWindow);
    if (!window.database().isOpen()) {
        dialogs.show("信息源数据库打不开："_gbk + Utf8ToAnsi(path) + "（"_gbk +
                         Utf8ToAnsi(window.database().openError()) +
                         "）。信息源不能列出，添加、修改和删除都会失败。"_gbk,
                     MessageIcon::Warning);
    }
    dialogs.openModal(window);
}

}  // namespace dq
