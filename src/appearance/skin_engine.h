// The skin engine, hosted natively: it takes a skin file as bytes and restyles every window of
// the program from then on, through an application-wide Qt style sheet. It reports nothing to
// the windows; a skin that cannot be applied leaves the current look as it is.
#pragma once

#include <QPointer>
#include <string_view>

class QObject;

namespace dq {

class SkinEngine {
public:
    // The engine of the program, created at first use and kept until the program ends.
    static SkinEngine& instance();

    // Restyles every open and future window with the style sheet that file carries (see
    // appearance/skin_file.h), replacing the skin applied before. A malformed file, or a
    // program without a QApplication, changes nothing. The result says whether the skin was
    // applied; the program itself never needs it.
    bool attach(std::string_view file);

private:
    SkinEngine() = default;
    // Marks widgets as they are polished or change parent; lives as long as the application.
    QPointer<QObject> marker_;
};

// Applies built-in skin number (1 to 33); any other number does nothing.
void ApplySkin(int number);

}  // namespace dq
