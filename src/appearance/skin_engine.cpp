#include "appearance/skin_engine.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QStyle>
#include <QWidget>

#include "appearance/built_in_skins.h"
#include "appearance/skin_exempt.h"
#include "appearance/skin_file.h"

namespace dq {
namespace {

// Whether widget or one of its parents, up to its window, is exempt from the skins.
bool InExemptPart(const QWidget* widget) {
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        if (widget->property(kSkinExemptProperty).toBool()) return true;
    }
    return false;
}

// Gives widget the mark the skin rules select on; true when the mark changed.
bool Mark(QWidget& widget) {
    const bool skinned = !InExemptPart(&widget);
    const QVariant current = widget.property(kSkinnedProperty);
    if (current.isValid() && current.toBool() == skinned) return false;
    widget.setProperty(kSkinnedProperty, skinned);
    return true;
}

// Marks root and everything inside it anew; widgets already styled are styled again when
// their mark changed, since Qt reads selectors only when it polishes a widget.
void Remark(QWidget& root) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (!Mark(*widget) || !widget->testAttribute(Qt::WA_WState_Polished)) continue;
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
        widget->update();
    }
}

// Sees every event of the application before its receiver does. A Polish event comes before
// the widget's style is applied to it, so the mark is in place when the rules are matched.
class Marker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Polish:
                if (auto* widget = qobject_cast<QWidget*>(watched)) Mark(*widget);
                break;
            case QEvent::ParentChange:
                if (auto* widget = qobject_cast<QWidget*>(watched)) Remark(*widget);
                break;
            case QEvent::DynamicPropertyChange:
                if (static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() ==
                    kSkinExemptProperty) {
                    if (auto* widget = qobject_cast<QWidget*>(watched)) Remark(*widget);
                }
                break;
            default:
                break;
        }
        return false;
    }
};

}  // namespace

SkinEngine& SkinEngine::instance() {
    static SkinEngine engine;
    return engine;
}

bool SkinEngine::attach(std::string_view file) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return false;
    const std::optional<std::string> sheet = SkinStyleSheet(file);
    if (!sheet) return false;
    if (!marker_) {
        marker_ = new Marker(app);
        app->installEventFilter(marker_);
    }
    for (QWidget* widget : QApplication::allWidgets()) Mark(*widget);
    app->setStyleSheet(QString::fromUtf8(sheet->data(), static_cast<qsizetype>(sheet->size())));
    return true;
}

void ApplySkin(int number) {
    if (number < 1 || number > kBuiltInSkinCount) return;
    SkinEngine::instance().attach(BuiltInSkin(number));
}

}  // namespace dq
