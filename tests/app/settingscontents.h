#pragma once

#include "app/settingsfile.h"

#include <array>

// The two complete settings the writer alternates, and the one the file starts with. They
// differ in every line and in length, so a torn or mixed file matches none of them.
namespace vistaro::test {

inline const std::array<Settings, 2>& alternatingSettings() {
    static const std::array<Settings, 2> contents = {
        Settings{",", ".", "/opt/vistaro/lingue/Italiano.lng", "/media/cdrom/"},
        Settings{".", ",", "/home/user/" + QString(4000, u'l') + "/English.lng", "D:\\"}};
    return contents;
}

inline Settings initialSettings() {
    return {",", ".", "/usr/share/vistaro/Deutsch.lng", "/media/usb/"};
}

} // namespace vistaro::test
