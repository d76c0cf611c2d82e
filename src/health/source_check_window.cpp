#include "health/source_check_window.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>
#include <thread>

#include "health/source_table.h"

namespace dq {
namespace {

constexpr int kHeadlineColumn = 7;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SourceCheckWindow::SourceCheckWindow(std::vector<SourceToCheck> sources, QWidget* parent)
    : QDialog(parent),
      sources_(std::move(sources)),
      table_(new QTableWidget(this)),
      stop_(std::make_shared<std::atomic<bool>>(false)) {
    setObjectName(QStringLiteral("信息源检测"));
    setWindowTitle(QStringLiteral("信息源检测"));
    resize(960, 600);
    table_->setObjectName(QStringLiteral("表格_信息源检测"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setColumnCount(static_cast<int>(SourceTableHeaders().size()));
    QStringList headers;
    for (const std::string& header : SourceTableHeaders()) headers << Utf8(header);
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setRowCount(static_cast<int>(sources_.size()));
    for (std::size_t row = 0; row < sources_.size(); ++row) {
        const std::vector<std::string> cells = SourceTableRow(sources_[row], std::nullopt);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            table_->setItem(static_cast<int>(row), static_cast<int>(column),
                            new QTableWidgetItem(Utf8(cells[column])));
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("每个信息源取一次页面并按其正则匹配；标红的信息源匹配不到新闻。"), this));
    layout->addWidget(table_);

    // The thread owns copies of everything it reads; results come back queued to this
    // window's thread, where the guard tells whether the window still exists.
    QPointer<SourceCheckWindow> guard(this);
    std::thread([sources = sources_, stop = stop_, guard] {
        CheckSources(sources, [&](std::size_t index, const SourceCheck& check) {
            QMetaObject::invokeMethod(
                qApp, [guard, index, check] { if (guard) guard->showResult(index, check); },
                Qt::QueuedConnection);
        }, 8, stop.get());
    }).detach();
}

SourceCheckWindow::~SourceCheckWindow() { stop_->store(true); }

void SourceCheckWindow::showResult(std::size_t index, const SourceCheck& check) {
    const std::vector<std::string> cells = SourceTableRow(sources_[index], check);
    const int row = static_cast<int>(index);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const int at = static_cast<int>(column);
        QTableWidgetItem* item = table_->item(row, at);
        if (item == nullptr) table_->setItem(row, at, item = new QTableWidgetItem);
        item->setText(Utf8(cells[column]));
        if (check.matchesNothing()) item->setForeground(QColor(Qt::red));
    }
    if (check.matchesNothing()) table_->item(row, kHeadlineColumn)->setFont([&] {
        QFont bold = table_->font();
        bold.setBold(true);
        return bold;
    }());
    if (++checked_ == sources_.size()) emit allChecked();
}

}  // namespace dq
