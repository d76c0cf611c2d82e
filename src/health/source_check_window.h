// The window "信息源检测": a table that fills as the sources are checked in the background, one
// row per source, with the sources that match nothing marked. The checks run on threads of
// their own; each result reaches the window as a copy, queued to the window's thread, so the
// main window never freezes and nothing is shared with it.
#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <vector>

#include "health/source_check.h"

class QTableWidget;

namespace dq {

class SourceCheckWindow : public QDialog {
    Q_OBJECT
public:
    // Starts checking sources at once.
    explicit SourceCheckWindow(std::vector<SourceToCheck> sources, QWidget* parent = nullptr);
    // Checks under way finish in the background; their results are dropped.
    ~SourceCheckWindow() override;

    std::size_t checkedCount() const { return checked_; }

signals:
    // Every source has been checked.
    void allChecked();

private:
    void showResult(std::size_t index, const SourceCheck& check);

    std::vector<SourceToCheck> sources_;
    QTableWidget* table_;
    std::size_t checked_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace dq
