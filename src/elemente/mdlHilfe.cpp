#include "mdlHilfe.h"

#include "Programmzustand.h"
#include "frmHilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QWidget>

namespace mdlHilfe {

void HilfeZeigen(const Programmzustand& z, const QString& thema)
{
    const QFileInfo startseite(z.hilfedatei);
    if (!startseite.dir().exists() || !startseite.isFile()) {
        const QChar cr(13);
        z.Meldung(QStringLiteral("Auf Ihrem System funktioniert die HTML-Hilfe leider nicht! ") + cr + cr
                + QStringLiteral("Die Hilfeseite %1 fehlt.")
                      .arg(QDir::toNativeSeparators(startseite.absoluteFilePath())),
            Meldungen::Information, QStringLiteral("HTML-Hilfe funktionuert nicht!"));
        return;
    }
    frmHilfe* hilfe = frmHilfe::oeffnen(startseite.absolutePath());
    hilfe->seiteZeigen(thema.isEmpty() ? startseite.fileName() : thema);
    hilfe->zeigen();
}

void HilfeTasteEinrichten(QWidget* fenster, const Programmzustand& z, const QString& thema)
{
    // A shortcut takes the key before the focused control sees it.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    const Programmzustand* zustand = &z;
    QObject::connect(f1, &QShortcut::activated, fenster, [zustand, thema] { HilfeZeigen(*zustand, thema); });
}

} // namespace mdlHilfe
