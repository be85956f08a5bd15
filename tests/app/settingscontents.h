#pragma once

#include "app/settingsfile.h"

#include <array>

// The two complete settings the writer alternates. They differ in every line and in length, so
// a torn or mixed file matches neither.
namespace vistaro::test {

inline const std::array<Settings, 2>& alternatingSettings() {
    static const std::array<Settings, 2> contents = {
        Settings{",", ".", "/opt/vistaro/lingue/Italiano.lng", "/media/cdrom/"},
        Settings{".", ",", "/home/user/" + QString(4000, u'l') + "/English.lng", "D:\\"}};
    return contents;
}

} // namespace vistaro::test
