// Screenshots of the six skins the main window offers: every kind of control drawn in each
// skin, the text colours measured from the rendered pixels and held to WCAG's contrast ratios
// (4.5:1 for text, 3:1 for disabled controls), and the looks told apart by their colours.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "appearance/rendered_text.h"
#include "appearance/skin_choice.h"
#include "appearance/skin_engine.h"
#include "appearance/skin_test_helpers.h"
#include "support/case_name.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

using testing::MeasureText;
using testing::MeasureTextOnPlain;
using testing::RelativeLuminance;
using testing::TextColours;

// Solid blocks, so that the glyphs give plenty of pixels of exactly the text colour.
const QString kBlocks(4, QChar(0x2588));
constexpr int kMinimumTextPixels = 60;
constexpr double kTextRatio = 4.5;
constexpr double kDisabledRatio = 3.0;

// One window with every kind of control the program's windows use, each showing text; the
// controls keep their places whatever the text (only the tabs size themselves to it).
struct SampleWindow {
    explicit SampleWindow(const QString& text);

    QImage render() { return window.grab().toImage(); }

    // widget's rectangle in window coordinates, without a frame of inset pixels.
    QRect inWindow(const QWidget* widget, QRect rect, int inset = 0) const {
        rect.moveTopLeft(widget->mapTo(&window, rect.topLeft()));
        return rect.adjusted(inset, inset, -inset, -inset);
    }
    QRect inWindow(const QWidget* widget, int inset = 0) const {
        return inWindow(widget, widget->rect(), inset);
    }
    // The text part of a check box or radio button, right of its indicator.
    QRect textOf(const QAbstractButton* box) const {
        return inWindow(box, box->rect().adjusted(22, 2, 0, -2));
    }

    QDialog window;
    QLabel* label;
    QLineEdit* edit;
    QPlainTextEdit* preview;
    QTreeWidget* list;
    QTabWidget* tabs;
    QPushButton* button;
    QComboBox* combo;
    QCheckBox* check;
    QRadioButton* radio;
    QLabel* disabledLabel;
    QLineEdit* disabledEdit;
    QPushButton* disabledButton;
    QCheckBox* disabledCheck;
};

SampleWindow::SampleWindow(const QString& text)
    : label(new QLabel(text, &window)),
      edit(new QLineEdit(text, &window)),
      preview(new QPlainTextEdit(text, &window)),
      list(new QTreeWidget(&window)),
      tabs(new QTabWidget(&window)),
      button(new QPushButton(text, &window)),
      combo(new QComboBox(&window)),
      check(new QCheckBox(text, &window)),
      radio(new QRadioButton(text, &window)),
      disabledLabel(new QLabel(text, &window)),
      disabledEdit(new QLineEdit(text, &window)),
      disabledButton(new QPushButton(text, &window)),
      disabledCheck(new QCheckBox(text, &window)) {
    window.setFixedSize(420, 300);
    label->setGeometry(10, 10, 120, 24);
    edit->setGeometry(10, 40, 120, 24);
    preview->setGeometry(10, 70, 120, 60);
    list->setGeometry(10, 140, 160, 110);
    list->setHeaderLabels({text});
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
    list->topLevelItem(1)->setSelected(true);
    tabs->setGeometry(190, 10, 220, 80);
    tabs->addTab(new QWidget, kBlocks);
    tabs->addTab(new QWidget, kBlocks);
    button->setGeometry(190, 100, 100, 30);
    combo->addItem(text);
    combo->setGeometry(190, 140, 100, 22);
    check->setGeometry(190, 170, 100, 22);
    radio->setGeometry(300, 170, 100, 22);
    disabledLabel->setGeometry(190, 200, 100, 22);
    disabledEdit->setGeometry(300, 200, 100, 22);
    disabledButton->setGeometry(190, 230, 100, 30);
    disabledCheck->setGeometry(300, 230, 100, 22);
    for (QWidget* w : {static_cast<QWidget*>(disabledLabel), static_cast<QWidget*>(disabledEdit),
                       static_cast<QWidget*>(disabledButton), static_cast<QWidget*>(disabledCheck)}) {
        w->setEnabled(false);
    }
    window.show();
}

struct Sample {
    const char* control;
    QRect region;
    double minimum;
    bool plain = false;  // measured on one screenshot: the tabs, which size themselves to their text
};

std::vector<Sample> Samples(const SampleWindow& s) {
    const QTabBar* bar = s.tabs->tabBar();
    const QWidget* rows = s.list->viewport();
    return {
        {"label", s.inWindow(s.label), kTextRatio},
        {"edit", s.inWindow(s.edit, 3), kTextRatio},
        {"preview box", s.inWindow(s.preview->viewport()), kTextRatio},
        {"list row", s.inWindow(rows, s.list->visualItemRect(s.list->topLevelItem(0))), kTextRatio},
        {"selected list row", s.inWindow(rows, s.list->visualItemRect(s.list->topLevelItem(1))),
         kTextRatio},
        {"list header", s.inWindow(s.list->header(), 1), kTextRatio},
        {"chosen tab", s.inWindow(bar, bar->tabRect(0), 2), kTextRatio, true},
        {"other tab", s.inWindow(bar, bar->tabRect(1), 2), kTextRatio, true},
        {"button", s.inWindow(s.button, 3), kTextRatio},
        {"combo box", s.inWindow(s.combo, QRect(3, 3, 60, 16)), kTextRatio},
        {"check box", s.textOf(s.check), kTextRatio},
        {"radio button", s.textOf(s.radio), kTextRatio},
        {"disabled label", s.inWindow(s.disabledLabel), kDisabledRatio},
        {"disabled edit", s.inWindow(s.disabledEdit, 3), kDisabledRatio},
        {"disabled button", s.inWindow(s.disabledButton, 3), kDisabledRatio},
        {"disabled check box", s.textOf(s.disabledCheck), kDisabledRatio},
    };
}

void ExpectReadable(const char* control, const TextColours& colours, double minimum) {
    SCOPED_TRACE(control);
    EXPECT_GE(colours.textPixels, kMinimumTextPixels) << "no text found";
    EXPECT_GE(colours.ratio(), minimum)
        << colours.text.name().toStdString() << " on " << colours.background.name().toStdString();
}

struct ChosenSkin {
    const char* name;
    int choice;  // position in 皮肤_组合框
};

class SkinContrast : public testing::WidgetTest, public ::testing::WithParamInterface<ChosenSkin> {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        ApplySkin(SkinForChoice(GetParam().choice));
    }

    testing::WithoutSkin withoutSkin_;
};

TEST_P(SkinContrast, EveryControlKeepsItsTextReadable) {
    ASSERT_FALSE(qApp->styleSheet().isEmpty());
    SampleWindow sample(kBlocks);
    SampleWindow blank(QString{});
    const QImage shot = sample.render();
    const QImage blankShot = blank.render();
    for (const Sample& s : Samples(sample)) {
        ExpectReadable(s.control,
                       s.plain ? MeasureTextOnPlain(shot, s.region, kMinimumTextPixels)
                               : MeasureText(shot, blankShot, s.region),
                       s.minimum);
    }
}

TEST_P(SkinContrast, MessageBoxTextIsReadable) {
    QMessageBox box(QMessageBox::NoIcon, kBlocks, kBlocks, QMessageBox::Ok);
    box.show();
    const QImage shot = box.grab().toImage();
    const auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(text, nullptr);
    ExpectReadable("message",
                   MeasureTextOnPlain(shot, QRect(text->mapTo(&box, QPoint()), text->size()),
                                      kMinimumTextPixels),
                   kTextRatio);
}

INSTANTIATE_TEST_SUITE_P(ChosenSkins, SkinContrast,
                         ::testing::Values(ChosenSkin{"SeaBlue", 0}, ChosenSkin{"SoftRed", 1},
                                           ChosenSkin{"PlainBlue", 2}, ChosenSkin{"Dark", 3},
                                           ChosenSkin{"PlainWhite", 4}, ChosenSkin{"Platform", 5}),
                         testing::CaseName<ChosenSkin>);

// The window and button colours of one skin as rendered.
struct Look {
    QColor window;
    QColor button;
};

Look RenderedLook(int choice) {
    ApplySkin(SkinForChoice(choice));
    SampleWindow sample(QString{});
    const QImage shot = sample.render();
    // Right of the list, below the disabled controls: nothing but the window is drawn there.
    return {QColor(shot.pixel(300, 280)), QColor(shot.pixel(sample.inWindow(sample.button).center()))};
}

double Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

class SkinLooks : public testing::WidgetTest {
protected:
    testing::WithoutSkin withoutSkin_;
};

TEST_F(SkinLooks, TheSixLooksDifferAsDesigned) {
    std::vector<Look> looks;
    for (int choice = 0; choice < 6; ++choice) looks.push_back(RenderedLook(choice));
    const Look& seaBlue = looks[0];
    const Look& softRed = looks[1];
    const Look& dark = looks[3];
    const Look& white = looks[4];
    EXPECT_GT(seaBlue.window.blue(), seaBlue.window.red() + 20);
    EXPECT_GT(seaBlue.button.blue(), seaBlue.button.red() + 60);
    EXPECT_GT(softRed.window.red(), softRed.window.green() + 10);
    EXPECT_GT(softRed.button.red(), softRed.button.blue() + 40);
    EXPECT_LT(RelativeLuminance(dark.window), 0.05);
    EXPECT_LT(RelativeLuminance(dark.button), 0.1);
    EXPECT_EQ(white.window, QColor(Qt::white));
    for (std::size_t a = 0; a < looks.size(); ++a) {
        for (std::size_t b = a + 1; b < looks.size(); ++b) {
            EXPECT_GT(Distance(looks[a].window, looks[b].window) + Distance(looks[a].button, looks[b].button), 40)
                << "choices " << a << " and " << b << " look alike";
        }
    }
}

}  // namespace
}  // namespace dq
