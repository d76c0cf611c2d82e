// The list-view operations of the widget form over a real QTreeWidget, and the same contract
// on the fake form that content tests use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTreeWidget>
#include <memory>

#include "support/fake_form.h"
#include "workbench/control_names.h"
#include "workbench/qt_form.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

constexpr std::string_view kList = controls::kInterfaceList;

class ListWindow {
public:
    ListWindow() : form(window) {
        auto* view = new QTreeWidget(&window);
        view->setObjectName(QString::fromUtf8(kList.data(), static_cast<qsizetype>(kList.size())));
        view->setColumnCount(3);
    }
    QWidget window;
    QtForm form;
};

struct FormUnderTest {
    const char* name;
    std::function<std::pair<std::shared_ptr<void>, Form*>()> make;
};

std::vector<FormUnderTest> Forms() {
    return {
        {"widgets",
         [] {
             auto w = std::make_shared<ListWindow>();
             return std::pair<std::shared_ptr<void>, Form*>(w, &w->form);
         }},
        {"fake",
         [] {
             auto f = std::make_shared<testing::FakeForm>();
             return std::pair<std::shared_ptr<void>, Form*>(f, f.get());
         }},
    };
}

TEST(FormLists, RowsCellsAndSelection) {
    testing::Application();
    for (const FormUnderTest& under : Forms()) {
        SCOPED_TRACE(under.name);
        auto [owner, formPtr] = under.make();
        Form& form = *formPtr;
        EXPECT_EQ(form.rowCount(kList), 0);
        EXPECT_EQ(form.selectedRow(kList), -1);
        EXPECT_EQ(form.addRow(kList, {"1", "\xB6\xCC"}), 0);  // 短
        EXPECT_EQ(form.addRow(kList, {"2"}), 1);
        EXPECT_EQ(form.addRow(kList, {"3", "c", "x"}), 2);
        EXPECT_EQ(form.rowCount(kList), 3);
        EXPECT_EQ(form.cell(kList, 0, 1), "\xB6\xCC");
        EXPECT_EQ(form.cell(kList, 1, 1), "");
        EXPECT_EQ(form.cell(kList, 7, 0), "");
        form.setCell(kList, 1, 2, "two");
        EXPECT_EQ(form.cell(kList, 1, 2), "two");

        form.setSelectedRow(kList, 2);
        EXPECT_EQ(form.selectedRow(kList), 2);
        form.removeRow(kList, 0);
        EXPECT_EQ(form.rowCount(kList), 2);
        EXPECT_EQ(form.cell(kList, 0, 0), "2");
        EXPECT_EQ(form.selectedRow(kList), 1);  // the selected row moved up with its data
        form.setSelectedRow(kList, 5);
        EXPECT_EQ(form.selectedRow(kList), -1);
        form.removeRow(kList, 9);
        EXPECT_EQ(form.rowCount(kList), 2);
        form.clearRows(kList);
        EXPECT_EQ(form.rowCount(kList), 0);
        EXPECT_EQ(form.selectedRow(kList), -1);
    }
}

}  // namespace
}  // namespace dq
