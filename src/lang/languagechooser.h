// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace vistaro {

class DirectoryList;
class FileList;
class LanguageChooserHost;
struct ProgramState;

// The language chooser: the user browses drives and folders for a language file; picking one
// applies it, records it in the settings, asks for the decimal separator, loads the matching
// catalogue and closes the window. It deletes itself when closed.
class frmSceltaLingua : public QWidget {
    Q_OBJECT

public:
    frmSceltaLingua(ProgramState& state, LanguageChooserHost& host, QWidget* parent = nullptr);

signals:
    // The window was closed before a file was picked (on a first run, nothing is set up then).
    void closedWithoutPick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();

    ProgramState& m_state;
    LanguageChooserHost& m_host;
    bool m_picked = false;
    bool m_centred = false;

    FileList* File1;
    QComboBox* Drive1;
    DirectoryList* Dir1;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
};

} // namespace vistaro
