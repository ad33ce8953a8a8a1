#include "Komponententest.h"

#include "DatenbankFehler.h"
#include "Katalog.h"
#include "Programmzustand.h"
#include "Recordset.h"
#include "Verbindung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void testdatenbankPruefen(const QString& pfad)
{
    Verbindung verbindung;
    verbindung.Erstellen(pfad);
    Tabelle test{QStringLiteral("Test"), {}};
    Spalte spalte{QStringLiteral("Testspalte"), SpaltenTyp::Text, 255};
    test.SpalteAnhaengen(spalte);
    Katalog(verbindung).TabelleAnhaengen(test);

    Recordset rs;
    rs.Einrichten(&verbindung, Recordset::Keyset, Recordset::Pessimistisch);
    rs.Oeffnen(Abfrage::MitWert(QStringLiteral("Test"), QStringLiteral("Testspalte")));
    rs.AddNew();
    rs.FeldSetzen(QStringLiteral("Testspalte"), QStringLiteral("Das ist ein Test"));
    rs.Update();
    rs.Requery();
    if (rs.RecordCount() != 1 || rs.Feld(QStringLiteral("Testspalte")).toString() != QLatin1String("Das ist ein Test"))
        throw DatenbankFehler(QStringLiteral("Der Testdatensatz kam nicht zurück."));
    rs.Schliessen();
    verbindung.Schliessen();
    if (!QFile::remove(pfad))
        throw DatenbankFehler(QStringLiteral("Die Testdatei lässt sich nicht löschen."));
}

}  // namespace

bool MdacTest(Programmzustand& z, const QString& testordner)
{
    try {
        // A temporary folder: the working folder may not be writable.
        if (testordner.isEmpty() || !QFileInfo(testordner).isDir())
            throw DatenbankFehler(QStringLiteral("Kein temporärer Ordner."));
        QTemporaryDir ordner(testordner + QStringLiteral("/kolvar-test-XXXXXX"));
        if (!ordner.isValid())
            throw DatenbankFehler(QStringLiteral("Kein temporärer Ordner."));
        testdatenbankPruefen(ordner.filePath(QStringLiteral("mdactest.mdb")));
        z.einstellungen.MdacOK = true;
        return true;
    } catch (const DatenbankFehler&) {
    }
    const QChar cr(13);
    const Meldungen::Antwort antwort = z.Meldung(
        QStringLiteral("Auf Ihrem Computer ist die falsche MDAC-Version installiert!") + cr + cr
            + QStringLiteral("Bitte Drücken Sie auf OK um die richtige Version zu installieren.") + cr
            + QStringLiteral("Dannach können Sie Kolvar wieder starten."),
        Meldungen::Warnung, QStringLiteral("Falsche MDAC-Version!"));
    if (antwort == Meldungen::Antwort::OK) {
        const QString installer = QDir::currentPath() + QStringLiteral("/mdac/mdac_typ_de.exe");
        if (QFile::exists(installer))
            QProcess::startDetached(installer, {}, QDir::currentPath() + QStringLiteral("/mdac"));
    }
    return false;
}
