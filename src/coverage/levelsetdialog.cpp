// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/levelsetdialog.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/forms.h"
#include "platform/messagebox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

namespace vistaro {

namespace {

enum Column { NameColumn, DensityColumn };

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* made = named<QPushButton>(name, parent);
    made->setText(text);
    made->setAccessibleName(text);
    return made;
}

// A set name that none of `sets` has yet: `name`, or `name (2)` and so on.
QString freeName(const std::vector<LevelSet>& sets, const QString& name) {
    QString candidate = name;
    for (int n = 2; std::any_of(sets.begin(), sets.end(),
                                [&](const LevelSet& set) { return set.name == candidate; });
         ++n)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return candidate;
}

} // namespace

LevelSetDialog::LevelSetDialog(std::vector<LevelSet> sets, QWidget* parent)
    : QDialog(parent), m_sets(std::move(sets)), m_list(new QListWidget(this)),
      m_name(new QLineEdit(this)), m_unit(new QComboBox(this)), m_levels(new QTableWidget(this)) {
    setObjectName(QStringLiteral("LevelSets"));
    setWindowTitle(tr("Level sets of your own"));
    m_list->setObjectName(QStringLiteral("LevelSetList"));
    m_list->setAccessibleName(tr("Your level sets"));
    m_name->setObjectName(QStringLiteral("LevelSetName"));
    m_name->setAccessibleName(tr("Name of the level set"));
    m_unit->setObjectName(QStringLiteral("LevelSetUnit"));
    m_unit->setAccessibleName(tr("Unit of the densities"));
    m_unit->addItems({densityUnit(Units::Metric), densityUnit(Units::Imperial)});
    m_levels->setObjectName(QStringLiteral("LevelTable"));
    m_levels->setAccessibleName(tr("Levels, lowest first"));
    m_levels->setColumnCount(2);
    m_levels->setHorizontalHeaderLabels({tr("Level"), tr("Density")});
    m_levels->horizontalHeader()->setStretchLastSection(true);
    m_levels->setTabKeyNavigation(false);

    auto* newSet = button("NewLevelSet", tr("New set"), this);
    auto* removeSet = button("RemoveLevelSet", tr("Remove set"), this);
    auto* importButton = button("ImportLevelSet", tr("Import..."), this);
    auto* exportButton = button("ExportLevelSet", tr("Export..."), this);
    auto* addLevel = button("AddLevel", tr("Add level"), this);
    auto* removeLevel = button("RemoveLevel", tr("Remove level"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 4, 2);
    grid->addWidget(newSet, 4, 0);
    grid->addWidget(removeSet, 4, 1);
    grid->addWidget(importButton, 5, 0);
    grid->addWidget(exportButton, 5, 1);
    auto* nameLabel = new QLabel(tr("&Name"), this);
    nameLabel->setBuddy(m_name);
    auto* unitLabel = new QLabel(tr("&Unit"), this);
    unitLabel->setBuddy(m_unit);
    grid->addWidget(nameLabel, 0, 2);
    grid->addWidget(m_name, 0, 3, 1, 2);
    grid->addWidget(unitLabel, 1, 2);
    grid->addWidget(m_unit, 1, 3, 1, 2);
    grid->addWidget(m_levels, 2, 2, 3, 3);
    grid->addWidget(addLevel, 5, 3);
    grid->addWidget(removeLevel, 5, 4);
    grid->addWidget(buttons, 6, 0, 1, 5);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == m_current)
            return;
        if (m_current >= 0 && !keepEdited()) {
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentRow(m_current);
            return;
        }
        showSet(row);
    });
    connect(newSet, &QPushButton::clicked, this, [this] {
        addSet(userLevelSet(freeName(m_sets, tr("New set")),
                            {{QStringLiteral("level-1"), tr("Level 1"), 100}}, false));
    });
    connect(removeSet, &QPushButton::clicked, this, [this] {
        if (m_current < 0)
            return;
        m_sets.erase(m_sets.begin() + m_current);
        m_current = -1;
        fillList();
    });
    connect(importButton, &QPushButton::clicked, this, &LevelSetDialog::importSet);
    connect(exportButton, &QPushButton::clicked, this, &LevelSetDialog::exportSet);
    connect(addLevel, &QPushButton::clicked, this, [this] {
        const int row = m_levels->rowCount();
        m_levels->insertRow(row);
        m_levels->setItem(row, NameColumn, new QTableWidgetItem(tr("Level %1").arg(row + 1)));
        m_levels->setItem(row, DensityColumn, new QTableWidgetItem);
        m_levels->setCurrentCell(row, DensityColumn);
    });
    connect(removeLevel, &QPushButton::clicked, this,
            [this] { m_levels->removeRow(m_levels->currentRow()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelSetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    wheelOnlyWhenFocused(this);
    fillList();
}

void LevelSetDialog::fillList() {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const LevelSet& set : m_sets)
        m_list->addItem(set.name);
    const int shown = m_current >= 0 ? m_current : int(m_sets.size()) - 1;
    m_current = -1;
    m_list->setCurrentRow(shown);
    showSet(shown);
}

void LevelSetDialog::showSet(int index) {
    m_current = index;
    const bool any = index >= 0 && index < int(m_sets.size());
    m_name->setEnabled(any);
    m_unit->setEnabled(any);
    m_levels->setEnabled(any);
    m_levels->setRowCount(0);
    m_name->clear();
    if (!any)
        return;
    const LevelSet& set = m_sets.at(std::size_t(index));
    m_name->setText(set.name);
    m_unit->setCurrentIndex(set.typedPerFoot ? 1 : 0);
    for (Level level = 0; level < set.size(); ++level) {
        const int row = m_levels->rowCount();
        m_levels->insertRow(row);
        auto* name = new QTableWidgetItem(set.levels[level].name);
        name->setData(Qt::UserRole, set.levels[level].key);
        m_levels->setItem(row, NameColumn, name);
        m_levels->setItem(row, DensityColumn,
                          new QTableWidgetItem(CoverageText::number(set.levels[level].value, 3)));
    }
}

LevelSetRead LevelSetDialog::edited() const {
    QJsonArray levels;
    for (int row = 0; row < m_levels->rowCount(); ++row) {
        const QTableWidgetItem* name = m_levels->item(row, NameColumn);
        const QTableWidgetItem* density = m_levels->item(row, DensityColumn);
        bool ok = false;
        const double value = density ? QLocale().toDouble(density->text().trimmed(), &ok) : 0;
        levels.append(QJsonObject{
            {QStringLiteral("key"), name ? name->data(Qt::UserRole).toString() : QString()},
            {QStringLiteral("name"), name ? name->text() : QString()},
            {QStringLiteral("density"),
             ok ? QJsonValue(value) : QJsonValue(density ? density->text() : QString())}});
    }
    return levelSetOf(
        QJsonObject{{QStringLiteral("name"), m_name->text()},
                    {QStringLiteral("unit"), m_unit->currentIndex() == 1 ? QStringLiteral("px/ft")
                                                                         : QStringLiteral("px/m")},
                    {QStringLiteral("levels"), levels}});
}

bool LevelSetDialog::keepEdited() {
    if (m_current < 0 || m_current >= int(m_sets.size()))
        return true;
    const LevelSetRead read = edited();
    if (!read.set) {
        showMessage(this, tr("The level set \"%1\" cannot be kept: %2")
                              .arg(m_name->text(), read.problem.message()));
        return false;
    }
    for (int i = 0; i < int(m_sets.size()); ++i)
        if (i != m_current && m_sets.at(std::size_t(i)).name == read.set->name) {
            showMessage(this, tr("There is a level set named \"%1\" already.").arg(read.set->name));
            return false;
        }
    m_sets.at(std::size_t(m_current)) = *read.set;
    m_list->item(m_current)->setText(read.set->name);
    return true;
}

void LevelSetDialog::addSet(const LevelSet& set) {
    if (!keepEdited())
        return;
    m_sets.push_back(set);
    m_current = int(m_sets.size()) - 1;
    fillList();
}

void LevelSetDialog::importSet() {
    const QString path =
        Dialogs::current().openFile(this, tr("Import a level set"), {}, tr("Level sets (*.json)"));
    if (path.isEmpty())
        return;
    const LevelSetRead read = LevelSetFile::read(path);
    if (!read.set) {
        showMessage(this, read.problem.message());
        return;
    }
    addSet(
        userLevelSet(freeName(m_sets, read.set->name), read.set->levels, read.set->typedPerFoot));
}

void LevelSetDialog::exportSet() {
    if (m_current < 0 || !keepEdited())
        return;
    const LevelSet& set = m_sets.at(std::size_t(m_current));
    const QString path =
        Dialogs::current().saveFile(this, tr("Export the level set"),
                                    set.name + QStringLiteral(".json"), tr("Level sets (*.json)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> problem = LevelSetFile::save(path, set))
        showMessage(this, *problem);
}

void LevelSetDialog::accept() {
    if (keepEdited())
        QDialog::accept();
}

} // namespace vistaro
