// The main window from the keyboard: underlined letters in every menu, F10
// into the menu bar, F1 with the topic of the window that has the focus.
#include "Programmzustand.h"
#include "Zugriffstasten.h"
#include "mdiHauptform.h"
#include "mdlHilfe.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

void mdiHauptform::TastaturEinrichten()
{
    Zugriffstasten::setzen(menuBar());
    // The pop-up menus the child windows show are children of the frame.
    const QList<QMenu*> aufklappmenues = findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    for (QMenu* m : aufklappmenues)
        Zugriffstasten::setzen(m);

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setObjectName(QStringLiteral("tasteF10"));
    connect(f10, &QShortcut::activated, this, &mdiHauptform::MenueleisteAnsteuern);

    // F1 on the frame itself or in a child window without a topic of its own.
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("hauptfenster.htm"));
}

void mdiHauptform::MenueleisteAnsteuern()
{
    const QList<QAction*> eintraege = menuBar()->actions();
    for (QAction* a : eintraege) {
        // "Suche" has no menu of its own: opening it would run the search.
        if (a->isVisible() && a->isEnabled() && a->menu()) {
            menuBar()->setFocus(Qt::ShortcutFocusReason);
            menuBar()->setActiveAction(a);
            return;
        }
    }
}
