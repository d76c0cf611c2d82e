#include "appearance/built_in_skins.h"

#include <QFile>

#include <cstdio>

// The skin files are linked in from a static library, so their resource file is registered
// explicitly: nothing else would pull it into the program.
static void RegisterSkinResources() { Q_INIT_RESOURCE(skins); }

namespace dq {

std::string BuiltInSkin(int number) {
    if (number < 1 || number > kBuiltInSkinCount) return {};
    static const bool registered = [] {
        RegisterSkinResources();
        return true;
    }();
    (void)registered;
    char path[32];
    std::snprintf(path, sizeof path, ":/skins/skin%02d.she", number);
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace dq
