// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

namespace orvanta {

// What the program remembers between runs, in the user's configuration folder
// (~/.config/Orvanta/Orvanta.conf): the theme, the window's place and size, the last
// folder and the recent files, and the Wheel Bias window's choices. Nothing else is
// kept; a first run, or one whose file is gone, looks as the layout lays it out.
class Settings : public QSettings {
    Q_OBJECT
public:
    static constexpr const char* kTheme = "theme";
    static constexpr const char* kWindowGeometry = "window/geometry";
    static constexpr const char* kLastFolder = "files/lastFolder";
    static constexpr const char* kRecentFiles = "files/recent";
    static constexpr const char* kBiasSpins = "wheelBias/spins";
    static constexpr const char* kBiasPart = "wheelBias/part";

    Settings() : QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orvanta", "Orvanta") {}
};

}  // namespace orvanta
