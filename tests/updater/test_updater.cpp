#include "KleinerDatentraeger.h"
#include "frmUpdate.h"
#include "mdlUnterprogramme.h"

#include <QtTest>
#include <QtWidgets>

using namespace Update;
using namespace Qt::StringLiterals;

namespace {

const QFileDevice::Permissions Ausfuehrbar = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup;

void schreiben(const QString& pfad, const QByteArray& inhalt, QFileDevice::Permissions rechte = {})
{
    QFile f(pfad);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(pfad));
    QCOMPARE(f.write(inhalt), inhalt.size());
    f.close();
    if (rechte)
        QVERIFY(f.setPermissions(rechte));
}

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

QStringList eintraege(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void einstellungenSchreiben(const QString& ordner, const QString& version)
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, u"Ostrelan"_s, u"Kolvar"_s);
    s.clear();
    s.setValue(u"Pfade/Kolvar-Verz"_s, ordner);
    s.setValue(u"Pfade/AktuelleDatenbank"_s, u" "_s);
    if (!version.isNull())
        s.setValue(u"Version/Version"_s, version);
    s.sync();
}

// A stand-in for the main program: answers "--version" as it does.
QByteArray programm(const QByteArray& version)
{
    return "#!/bin/sh\necho Kolvar " + version + "\n";
}

// An installation with an old program and an update folder with a new one.
struct Aufbau {
    QTemporaryDir wurzel;
    QString installation = wurzel.path() + u"/installiert"_s;
    QString update = wurzel.path() + u"/update"_s;
    QByteArray alt = programm("1.0.40") + QByteArray("# altes Programm\n").repeated(100);
    QByteArray neu = programm(UpdateVersion.toLatin1()) + QByteArray("# neues Programm\n").repeated(300);

    Aufbau()
    {
        QDir().mkpath(installation);
        QDir().mkpath(update);
        schreiben(installation + u"/kolvar"_s, alt, Ausfuehrbar);
        schreiben(update + u"/kolvar"_s, neu, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

const QString NichtInstalliert = u"Kolvar wurde nicht richtig installiert!"_s;
const QString ZuAlt = u"Installierte Kolvar-Version ist zu alt!"_s;
const QString NichtNotwendig = u"Update nicht notwendig!"_s;
const QString Neuere = u"Sie haben eine neuere Kolvar-Version auf Ihrem Computer installiert!"_s;
const QString Gleiche = u"Sie haben eine neuere (oder die gleiche) Kolvar-Version auf Ihrem Computer installiert!"_s;
const QString Fehlschlag = u"Update fehlgeschlagen!"_s;
const QString Unveraendert = u"Die bisherige Kolvar-Version ist unverändert geblieben."_s;

}  // namespace

class TestUpdater : public QObject {
    Q_OBJECT
    QTemporaryDir m_einstellungen;

private slots:
    void initTestCase()
    {
        // Run by hand, the test would otherwise overwrite the user's settings.
        if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_einstellungen.path()));
    }

    void versionen()
    {
        struct Fall {
            QString ordner;  // "*": the installation; "leer": one whose kolvar is a folder
            QString installiert, minimum, update;
            QString titel;  // empty: the update may run; for "not needed" its sentence
        };
        const QString m = u"1.0.36"_s, u = u"1.0.43"_s, neun = u"1.0.9"_s, i = u"*"_s, keine;
        QList<Fall> faelle = { { i, u"1.0.35"_s, m, u, ZuAlt }, { i, m, m, u, keine }, { i, u, m, u, Gleiche },
            { i, u"1.0.50"_s, m, u, Gleiche }, { i, u"1.1.0"_s, m, u, Neuere }, { i, keine, m, u, keine },
            // As numbers, not as text.
            { i, neun, neun, u"1.0.10"_s, keine }, { i, u"1.10.2"_s, m, u"1.9.9"_s, Neuere } };
        for (const char* falsch : { "1.0.x", "1..43", "1.0.-43", "1.0.43." })
            faelle.append({ i, QLatin1String(falsch), m, u, ZuAlt });
        // A relative folder must not be found through the working folder.
        for (const char* ordner : { "", "installiert", "/nicht/vorhanden", "leer" })
            faelle.append({ QLatin1String(ordner), u"1.0.40"_s, m, u, NichtInstalliert });
        Aufbau a;
        QVERIFY(QDir::setCurrent(a.wurzel.path()));
        QVERIFY(QDir().mkpath(a.wurzel.path() + u"/leer/kolvar"_s));
        for (const Fall& f : std::as_const(faelle)) {
            const QString ordner = f.ordner == i ? a.installation
                : f.ordner == u"leer"_s          ? a.wurzel.path() + u"/leer"_s
                                                 : f.ordner;
            const std::optional<Meldung> r = InstallationPruefen({ ordner, f.installiert }, f.minimum, f.update);
            const bool nichtNoetig = f.titel == Gleiche || f.titel == Neuere;
            const QString fall = f.ordner + u' ' + f.installiert + u' ' + (r ? r->text : QString());
            QVERIFY2((r ? r->titel : QString()) == (nichtNoetig ? NichtNotwendig : f.titel), qPrintable(fall));
            QVERIFY2(!nichtNoetig || r->text.startsWith(f.titel + u"\r\r"_s), qPrintable(fall));
        }
    }

    void einstellungenMitKomma()
    {
        // A folder name with a comma, written by hand without quotes.
        einstellungenSchreiben(QString(), QString());
        schreiben(QSettings(QSettings::IniFormat, QSettings::UserScope, u"Ostrelan"_s, u"Kolvar"_s).fileName(),
            "[Pfade]\nKolvar-Verz=/home/anna/Bilder, alt\n[Version]\nVersion=1.0.41\n");
        const Installation i = InstallationLesen();
        QCOMPARE(i.ordner + u'|' + i.version, u"/home/anna/Bilder, alt|1.0.41"_s);
    }

    void ersetzenBehaeltAltesProgramm()
    {
        Aufbau a;
        a.neu = lesen(QStringLiteral(KOLVAR_PROGRAMM));
        schreiben(a.update + u"/kolvar"_s, a.neu);
        const QString installiert = a.installation + u"/kolvar"_s;
        const Ergebnis e = DateienErsetzen(a.update + u"/"_s, a.installation + u"/"_s, { u"kolvar"_s });
        QVERIFY2(e.erfolgreich, qPrintable(e.meldung.text));
        QCOMPARE(lesen(installiert), a.neu);
        QCOMPARE(lesen(installiert + u".alt"_s), a.alt);
        QCOMPARE(QFile::permissions(installiert) & ~QFileDevice::Permissions(0x0F00), Ausfuehrbar);
        QCOMPARE(eintraege(a.installation), QStringList({ "kolvar", "kolvar.alt" }));
        QCOMPARE(ProgrammPruefen(installiert, UpdateVersion, 10000), std::nullopt);
        QCOMPARE(lesen(a.update + u"/kolvar"_s), a.neu);

        // A second update replaces a "kolvar.alt" left by the first.
        schreiben(a.update + u"/kolvar"_s, a.alt);
        QVERIFY(DateienErsetzen(a.update, a.installation, { u"kolvar"_s }, { u"1.0.40"_s }).erfolgreich);
        QCOMPARE(lesen(installiert + u".alt"_s), a.neu);
    }

    void fehlschlagLaesstAltesProgramm_data()
    {
        QTest::addColumn<QString>("hilfe");  // what lies where the help page goes; "fehlt": not in the update
        QTest::addColumn<QByteArray>("inhalt");  // the update's kolvar
        QTest::addColumn<QString>("nennt");  // %1: the installation
        QTest::addColumn<QStringList>("danach");
        const QByteArray gut = programm(UpdateVersion.toLatin1());
        const QString seite = u"%1/hilfe/update.htm"_s, ordner = u"Ordner"_s;
        const QStringList beide { u"hilfe"_s, u"kolvar"_s };
        // Every source is looked for before anything is copied.
        QTest::newRow("Seite fehlt im Update") << "fehlt" << gut << "\rupdate.htm\r" << beide;
        QTest::newRow("Unterordner fehlt") << "" << gut << seite << QStringList({ "kolvar" });
        QTest::newRow("Datei statt Unterordner") << "Datei" << gut << seite << beide;
        // Found only at the rename, after the program was replaced.
        QTest::newRow("Ordner statt Datei") << ordner << gut << seite << beide + QStringList({ "kolvar.alt" });
        // The new program is tried before anything is replaced.
        const QString kaputt = u"hilfe/"_s;
        QTest::newRow("leer") << kaputt << QByteArray() << "die neue Programmdatei ist leer" << beide;
        QTest::newRow("abgeschnitten") << kaputt << lesen(QStringLiteral(KOLVAR_PROGRAMM)).left(500 * 1024)
                                       << "abgestürzt" << beide;
        QTest::newRow("HTML-Fehlerseite") << kaputt << QByteArray("<!DOCTYPE html>\n<html><body>404</body></html>\n")
                                          << "lässt sich nicht starten" << beide;
        QTest::newRow("falsche Version") << kaputt << programm("1.0.41") << "\u201E1.0.41\u201C statt " + UpdateVersion
                                         << beide;
        QTest::newRow("keine Ausgabe") << kaputt << QByteArray("#!/bin/sh\n") << "nennt keine Version" << beide;
        QTest::newRow("Fehlerausgang") << kaputt << gut + "exit 3\n"
                                       << "Rückgabewert 3" << beide;
        QTest::newRow("haengt") << kaputt << QByteArray("#!/bin/sh\nexec sleep 30\n")
                                << "nicht innerhalb von 1 Sekunden" << beide;
    }

    void fehlschlagLaesstAltesProgramm()
    {
        QFETCH(QString, hilfe);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, nennt);
        QFETCH(QStringList, danach);
        Aufbau a;
        schreiben(a.update + u"/kolvar"_s, inhalt, Ausfuehrbar);
        if (hilfe != u"fehlt"_s)
            schreiben(a.update + u"/update.htm"_s, "<html>");
        if (hilfe == u"Datei"_s)
            schreiben(a.installation + u"/hilfe"_s, "keine Hilfe");
        else if (hilfe != u""_s)
            QVERIFY(QDir().mkpath(
                a.installation + u"/hilfe/"_s + (hilfe == u"Ordner"_s ? u"update.htm/alt"_s : QString())));
        const Ergebnis e = DateienErsetzen(
            a.update, a.installation, { u"kolvar"_s, u"hilfe/update.htm"_s }, { UpdateVersion, 1000 });
        QVERIFY(!e.erfolgreich);
        QCOMPARE(e.teilweise, hilfe == u"Ordner"_s);
        QCOMPARE(e.meldung.titel, hilfe == u"fehlt"_s ? u"Dateien wurden nicht gefunden!"_s : Fehlschlag);
        QVERIFY2(e.meldung.text.contains(nennt.arg(a.installation)), qPrintable(e.meldung.text));
        QVERIFY2(e.meldung.text.endsWith(e.teilweise ? u"bitte führen Sie das Update noch einmal aus."_s
                         : hilfe == u"fehlt"_s       ? u"Update Ordner befinden!"_s
                                                     : Unveraendert),
            qPrintable(e.meldung.text));
        QCOMPARE(lesen(a.installation + u"/kolvar"_s), e.teilweise ? inhalt : a.alt);
        QCOMPARE(eintraege(a.installation), danach);
    }

    void vollerUndSchreibgeschuetzterDatentraeger()
    {
        Aufbau a;
        KleinerDatentraeger klein(64 * 1024);
        QVERIFY2(klein.bereit(), qPrintable(u"kein kleiner Datenträger: "_s + klein.grund()));
        const QString installation = klein.pfad() + u"kolvar-inst"_s;
        QVERIFY(QDir().mkpath(installation));
        schreiben(installation + u"/kolvar"_s, a.alt, Ausfuehrbar);
        schreiben(a.update + u"/kolvar"_s, a.neu + QByteArray(256 * 1024, '#'));
        const QString voll
            = u"kein Speicherplatz mehr auf dem Datenträger \u201E%1\u201C"_s.arg(klein.pfad().chopped(1));
        const QString geschuetzt = u"der Datenträger mit \u201E%1\u201C ist schreibgeschützt"_s.arg(installation);
        for (const QString& grund : { voll, geschuetzt }) {
            if (grund == geschuetzt)
                QVERIFY(klein.schreibschuetzen());
            const Ergebnis e = DateienErsetzen(a.update, installation, { u"kolvar"_s });
            QVERIFY(!e.erfolgreich);
            QVERIFY2(e.meldung.text.contains(grund), qPrintable(e.meldung.text));
            QCOMPARE(lesen(installation + u"/kolvar"_s), a.alt);
            QCOMPARE(eintraege(installation), QStringList({ "kolvar" }));
        }
    }

    void gleicheDateiWirdNichtKopiert()
    {
        Aufbau a;
        // Also through a link to the folder: the same file under another name.
        const QString verweis = a.wurzel.path() + u"/verweis"_s;
        QVERIFY(QFile::link(a.installation, verweis));
        for (const QString& quelle : { a.installation, verweis }) {
            const Ergebnis e = DateienErsetzen(quelle, a.installation, { u"kolvar"_s });
            QCOMPARE(e.meldung.titel, u"Update nicht ausgeführt!"_s);
            QCOMPARE(lesen(a.installation + u"/kolvar"_s), a.alt);
            QCOMPARE(eintraege(a.installation), QStringList({ "kolvar" }));
        }
    }

    void fenster_data()
    {
        QTest::addColumn<QString>("version");  // installed, as the settings name it; "-": no installation
        QTest::addColumn<QString>("programm");  // the update's kolvar
        QTest::addColumn<QString>("titel");  // of the message or, after running, the window's
        const QString neu = u"gut"_s, keins;
        // Refused at once: the button stays off.
        QTest::newRow("nicht installiert") << "-" << neu << NichtInstalliert;
        QTest::newRow("Erfolg") << "1.0.40" << neu << "Update war erfolgreich!";
        QTest::newRow("Programm fehlt") << keins << "fehlt"
                                        << "Dateien wurden nicht gefunden!";
        QTest::newRow("Programm kaputt") << keins << "<html><body>502 Bad Gateway</body></html>" << Fehlschlag;
    }

    void fenster()
    {
        QFETCH(QString, version);
        QFETCH(QString, programm);
        QFETCH(QString, titel);
        const bool erfolg = programm == QLatin1String("gut"), abgelehnt = version == u"-"_s;
        Aufbau a;
        if (programm == QLatin1String("fehlt"))
            QVERIFY(QFile::remove(a.update + u"/kolvar"_s));
        else if (!erfolg)
            schreiben(a.update + u"/kolvar"_s, programm.toUtf8());
        einstellungenSchreiben(version == u"-"_s ? QString() : a.installation, version);
        frmUpdate f;
        QList<Meldung> gezeigt;
        f.setMelder([&](const Meldung& m) { gezeigt.append(m); });
        f.setQuellordner(a.update);
        QCOMPARE(f.laden(InstallationLesen()), !abgelehnt);
        QCOMPARE(f.cmdStart->isEnabled(), !abgelehnt);
        // One message at most: the refusal, or the failure after running.
        const auto gemeldet = [&] { return gezeigt.isEmpty() ? QString() : gezeigt.first().titel; };
        QCOMPARE(gemeldet(), abgelehnt ? titel : QString());
        QCOMPARE(lesen(a.installation + u"/kolvar"_s), a.alt);
        if (abgelehnt)
            return;
        f.show();
        // Enter runs the update wherever the focus is: the one button is the default.
        QSignalSpy ende(&f, &frmUpdate::beenden);
        f.cmdStart->clearFocus();
        QTest::keyClick(&f, Qt::Key_Return);
        QCOMPARE(gezeigt.size(), erfolg ? 0 : 1);
        QCOMPARE(gemeldet(), erfolg ? QString() : titel);
        QCOMPARE(f.lblAnzeige2->text(), titel);
        QVERIFY(f.cmdStart->isHidden());
        QCOMPARE(lesen(a.installation + u"/kolvar"_s), erfolg ? a.neu : a.alt);
        QCOMPARE(ende.size(), erfolg ? 0 : 1);  // success shows itself a while; a failure ends after its message
    }
};

QTEST_MAIN(TestUpdater)
#include "test_updater.moc"
