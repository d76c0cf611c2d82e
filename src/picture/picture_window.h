// The picture window: the briefing laid out on a 640 × 800 page, in one of two layouts (one
// per tab), with title banners, an optional QR picture the user drags into place and, on the
// "天气" layout, a band of the weather site's life page; "生成图片" exports the page as JPEG.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "workbench/date_time_text.h"
#include "workbench/dialogs.h"
#include "workbench/form.h"
#include "workbench/workbench_state.h"

namespace Ui {
class PictureWindow;
}

class QLabel;
class QTextEdit;

namespace dq {

class PictureWindow : public QDialog {
    Q_OBJECT
public:
    using Clock = std::function<LocalDateTime()>;

    // mainForm: the main window's controls (城镇, the news box and what the weather pieces
    // read). Pictures are written into directory. clock gives the moment that names them.
    PictureWindow(const Form& mainForm, const WorkbenchState& state, std::string directory,
                  QWidget* parent = nullptr, Clock clock = LocalNow);
    ~PictureWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void preview();
    void previewWeatherPage();
    void previewStandardPage();
    void addQrPicture();
    void exportPicture();
    void postToGroup(const std::string& picture);

    std::unique_ptr<Ui::PictureWindow> ui_;
    const Form& mainForm_;
    const WorkbenchState& state_;
    std::string directory_;
    Clock clock_;
    Dialogs dialogs_;
    QWidget* lifePageView_ = nullptr;
    QString lastQrFile_;
    QPoint dragGrip_;  // where in the QR box the left button went down
};

}  // namespace dq
