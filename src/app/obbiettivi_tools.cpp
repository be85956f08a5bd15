#include "app/obbiettivi.h"
#include "lang/interfacelanguage.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace vistaro {

// The windows beyond the calculator open from this menu, at the right end of the menu bar. Its
// texts are translated with Qt's own system, unlike the language file's captions.
void Obbiettivi::buildToolsMenu() {
    m_tools = menuBar()->addMenu(QString());
    m_tools->setObjectName(QStringLiteral("Tools"));
    m_openLensFinder = m_tools->addAction(QString());
    m_openLensFinder->setObjectName(QStringLiteral("OpenLensFinder"));
    m_openLensFinder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(m_openLensFinder, &QAction::triggered, this, &Obbiettivi::OpenLensFinder_Click);
    retranslateTools();
}

void Obbiettivi::retranslateTools() {
    m_tools->setTitle(tr("&Tools"));
    m_openLensFinder->setText(tr("Lens &finder..."));
}

void Obbiettivi::applyInterfaceLanguage(const QString& languageFile) {
    m_translator.apply(interfaceLanguage(languageFile));
}

void Obbiettivi::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateTools();
    QMainWindow::changeEvent(event);
}

} // namespace vistaro
