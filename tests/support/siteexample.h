// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/site.h"

namespace vistaro::test {

// Documented example camera: 4.8 x 3.6 mm, 1920 x 1080, 6 mm, 3 m up, aimed at 1.7 m at 10 m, east.
inline SiteCamera entranceCamera() {
    SiteCamera camera;
    camera.name = QStringLiteral("Entrance");
    camera.position = {0, 0};
    camera.panDeg = 0;
    camera.mountHeightM = 3;
    camera.aim = Aim::Target;
    camera.targetHeightM = 1.7;
    camera.distanceM = 10;
    camera.camera = {{4.8, 3.6}, {1920, 1080}};
    camera.focalMm = 6;
    camera.lens = QStringLiteral("T6000");
    camera.level = EnIdentification;
    return camera;
}

// Documented example site: that camera, a wall 2 m ahead, the door before it, on 400 px to 12.5 m.
inline Site exampleSite() {
    Site site;
    site.storeys.front().background.emplace().file = QStringLiteral("plan.png");
    site.storeys.front().background->scale = BackgroundScale{{10, 20}, {410, 20}, 12.5};
    site.cameras = {entranceCamera()};
    site.walls = {SiteWall{{{2, -10}, {2, 10}}}};
    site.areas = {
        SiteArea{QStringLiteral("Door"), EnIdentification, {{1, -1}, {3, -1}, {3, 1}, {1, 1}}}};
    return site;
}

// A 20 x 12 m shop with a 2 m door in its east wall (y 5 to 7); the example camera in its middle
// looks out through the door, its bands running about 100 m east. An area by the till.
inline Site shopWithOpenDoor() {
    Site site;
    SiteCamera door = entranceCamera();
    door.name = QStringLiteral("Door");
    door.position = {10, 6};
    site.cameras = {door};
    site.walls = {SiteWall{{{20, 7}, {20, 12}, {0, 12}, {0, 0}, {20, 0}, {20, 5}}}};
    site.areas = {
        SiteArea{QStringLiteral("Till"), EnIdentification, {{2, 2}, {6, 2}, {6, 5}, {2, 5}}}};
    return site;
}

} // namespace vistaro::test
