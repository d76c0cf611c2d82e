// The query window of the source manager: a keyword to look for in the categories, or all
// records. Created afresh for every query, so it always opens with the keyword choice.
#pragma once

#include <QDialog>
#include <memory>

#include "web/text.h"
#include "workbench/dialogs.h"
#include "workbench/qt_form.h"

namespace Ui {
class SourceQueryWindow;
}

namespace dq {

// What the query window asks for. Mode None when it was closed without 确定.
struct SourceQuery {
    enum class Mode { None, Keyword, All };
    Mode mode = Mode::None;
    Text keyword;
};

class SourceQueryWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SourceQueryWindow(QWidget* parent = nullptr);
    ~SourceQueryWindow() override;

    const SourceQuery& query() const { return query_; }

  private:
    void keywordChosen();
    void allChosen();
    void confirm();
    void cancel();
    // The keyword box is white and takes input, or light grey and takes none.
    void setKeywordBoxOpen(bool open);

    std::unique_ptr<Ui::SourceQueryWindow> ui_;
    QtForm form_;
    Dialogs dialogs_;
    SourceQuery query_;
};

}  // namespace dq
