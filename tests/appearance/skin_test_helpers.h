// What the skin tests share: the style sheet a built-in skin puts on the application, and a
// guard that keeps the tests of one program from inheriting each other's skin.
#pragma once

#include <QApplication>
#include <QString>

#include "appearance/built_in_skins.h"
#include "appearance/skin_file.h"

namespace dq::testing {

inline QString BuiltInSheet(int number) {
    const std::string sheet = SkinStyleSheet(BuiltInSkin(number)).value_or("");
    return QString::fromUtf8(sheet.data(), static_cast<qsizetype>(sheet.size()));
}

// Removes any skin when the test starts (if the application exists yet) and when it ends.
class WithoutSkin {
public:
    WithoutSkin() { Clear(); }
    ~WithoutSkin() { Clear(); }
    WithoutSkin(const WithoutSkin&) = delete;
    WithoutSkin& operator=(const WithoutSkin&) = delete;

private:
    static void Clear() {
        if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) app->setStyleSheet(QString());
    }
};

}  // namespace dq::testing
