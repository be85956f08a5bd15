// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vistaro {

// What the language chooser asks of the main window when the user picks a file, so that the
// chooser needs no window class of its own beyond this.
class LanguageChooserHost {
public:
    virtual ~LanguageChooserHost() = default;

    // Applies the language file at the full path `lingua` to the texts and captions.
    virtual void CaricaLingua(const QString& lingua) = 0;
    // Rewrites the settings file with DecimalSeparator, OtherSeparator, LanguageFile and Drive;
    // reports a failed save itself.
    virtual void saveSettingsFile() = 0;
    virtual void showMainWindow() = 0;
    // Arms the one-shot start-up timer, which applies LanguageFile once more.
    virtual void enableTimerMove() = 0;
    // The decimal-separator question to ask: the language file's (`Sep`), or the English one
    // while no file has given it.
    virtual QString separatorQuestion() const = 0;
    // Loads the lens catalogue from `fileName` (a bare name); reports a problem itself.
    virtual void loadCatalogue(const QString& fileName) = 0;
};

} // namespace vistaro
