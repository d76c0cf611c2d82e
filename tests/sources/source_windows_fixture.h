// Shared set-up of the source manager tests: the manager window over a database in a
// temporary run directory, a plain form standing in for the main window, and scripted steps
// for the modal windows it opens (each step gets the open window, drives it and returns its
// result; the steps are used in the order the windows open).
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "source_row_printer.h"
#include "sources/source_database.h"
#include "sources/source_manager_window.h"
#include "sources/source_rows.h"
#include "sources/source_statements.h"
#include "web/encoding.h"
#include "workbench/control_names.h"
#include "workbench/plain_form.h"
#include "workbench/preset_store.h"
#include "workbench/presets_temp_dir.h"
#include "workbench/qt_text.h"
#include "workbench/test_main_window_fixture.h"
#include "workbench/workbench_state.h"

namespace dq::testing {

inline Text Gbk(const char* utf8) { return Utf8ToAnsi(utf8); }

template <typename Widget>
Widget* Child(const QWidget& window, std::string_view name) {
    auto* found = window.findChild<Widget*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void Type(const QWidget& window, std::string_view box, const Text& text) {
    Child<QLineEdit>(window, box)->setText(ToQString(text));
}

inline Text Typed(const QWidget& window, std::string_view box) {
    return TextFromQString(Child<QLineEdit>(window, box)->text());
}

inline void Click(const QWidget& window, std::string_view button) {
    Child<QAbstractButton>(window, button)->click();
}

using WindowStep = std::function<int(QDialog&)>;

// Answers each window that opens with the next of steps, in order; a window without a step
// fails the test and is closed. steps must outlive the test's dialogs.
inline void PlayWindowSteps(std::deque<WindowStep>& steps) {
    Dialogs::setWindowHandler([&steps](QDialog& window) {
        if (steps.empty()) {
            ADD_FAILURE() << "no step for window " << window.objectName().toStdString();
            return static_cast<int>(QDialog::Rejected);
        }
        const WindowStep step = std::move(steps.front());
        steps.pop_front();
        return step(window);
    });
}

class SourceWindowsTest : public WidgetTest {
  protected:
    void SetUp() override {
        WidgetTest::SetUp();
        PlayWindowSteps(steps);
    }

    std::string databasePath() const { return directory.path() + "/Sorvane.db"; }

    // Records written straight into the database before the window opens.
    void seed(const std::vector<SourceRow>& rows) {
        SourceDatabase database;
        ASSERT_TRUE(database.open(databasePath()));
        for (const SourceRow& row : rows) {
            ASSERT_TRUE(
                database.execute(AddSource(row.category, row.address, row.pattern, row.date)));
        }
    }

    // The records as the file holds them now, read through a connection of its own.
    std::vector<SourceRow> stored() const {
        SourceDatabase database;
        EXPECT_TRUE(database.open(databasePath()));
        return ReadSourceRows(database, AllSources());
    }

    // Removes the table behind the open window's back, so that every later statement fails.
    void dropTable() const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(databasePath().c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "DROP TABLE YHB", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

    void openManager() {
        manager.reset();
        manager = std::make_unique<SourceManagerWindow>(databasePath(), state, presets, mainForm);
        manager->setClock([] { return LocalDateTime{2026, 1, 5, 8, 30, 15}; });
        list = Child<QTreeWidget>(*manager, controls::kSourceList);
        Dialogs::clearShown();
    }

    // The rows the manager's list shows, as SourceRows.
    std::vector<SourceRow> listed() const {
        std::vector<SourceRow> rows;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const auto cell = [&](int column) {
                return TextFromQString(list->topLevelItem(row)->text(column));
            };
            rows.push_back({cell(0), cell(1), cell(2), cell(3), cell(4)});
        }
        return rows;
    }

    std::vector<int> columnWidths() const {
        std::vector<int> widths;
        for (int column = 0; column < list->columnCount(); ++column) {
            widths.push_back(list->columnWidth(column));
        }
        return widths;
    }

    int selectedRow() const {
        const QList<QTreeWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
    }

    void select(int row) {
        list->clearSelection();
        list->topLevelItem(row)->setSelected(true);
    }

    // Caption, text and icon of every recorded message box, in order.
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        bool operator==(const Box&) const = default;
    };
    static std::vector<Box> boxes() {
        std::vector<Box> shown;
        for (const Dialogs::Shown& box : Dialogs::shown()) {
            if (box.kind == Dialogs::Shown::Kind::MessageBox) {
                shown.push_back({box.caption, box.text, box.icon});
            }
        }
        return shown;
    }

    TempDir directory;
    WorkbenchState state;
    PresetStore presets{directory.path()};
    PlainForm mainForm;
    std::deque<WindowStep> steps;
    std::unique_ptr<SourceManagerWindow> manager;
    QTreeWidget* list = nullptr;
};

// Steps for the windows the manager opens.

// Types the three texts into the add window and clicks 确定.
inline WindowStep AddStep(Text category, Text address, Text pattern) {
    return [=](QDialog& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("SourceAddWindow"));
        Type(window, controls::kAddCategory, category);
        Type(window, controls::kAddAddress, address);
        Type(window, controls::kAddPattern, pattern);
        Click(window, controls::kAddConfirm);
        return window.result();
    };
}

// Clicks one button of the open window and gives back the window's result.
inline WindowStep ClickStep(std::string_view button) {
    return [button](QDialog& window) {
        Click(window, button);
        return window.result();
    };
}

// Types keyword into the query window and clicks 确定.
inline WindowStep QueryStep(Text keyword) {
    return [=](QDialog& window) {
        Type(window, controls::kQueryKeyword, keyword);
        return ClickStep(controls::kQueryConfirm)(window);
    };
}

}  // namespace dq::testing
