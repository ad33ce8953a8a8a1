#include "KleinerDatentraeger.h"
#include "frmUpdate.h"
#include "mdlUnterprogramme.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Update;

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
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"));
    s.clear();
    s.setValue(QStringLiteral("Pfade/Kolvar-Verz"), ordner);
    s.setValue(QStringLiteral("Pfade/AktuelleDatenbank"), QStringLiteral(" "));
    if (!version.isNull())
        s.setValue(QStringLiteral("Version/Version"), version);
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
    QString installation = wurzel.path() + QStringLiteral("/installiert");
    QString update = wurzel.path() + QStringLiteral("/update");
    QByteArray alt = programm("1.0.40") + QByteArray("# altes Programm\n").repeated(100);
    QByteArray neu = programm(UpdateVersion.toLatin1()) + QByteArray("# neues Programm\n").repeated(300);

    Aufbau()
    {
        QDir().mkpath(installation);
        QDir().mkpath(update);
        schreiben(installation + QStringLiteral("/kolvar"), alt, Ausfuehrbar);
        schreiben(update + QStringLiteral("/kolvar"), neu, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

const QString NichtInstalliert = QStringLiteral("Kolvar wurde nicht richtig installiert!");
const QString ZuAlt = QStringLiteral("Installierte Kolvar-Version ist zu alt!");
const QString NichtNotwendig = QStringLiteral("Update nicht notwendig!");
const QString Neuere = QStringLiteral("Sie haben eine neuere Kolvar-Version auf Ihrem Computer installiert!");
const QString Gleiche
    = QStringLiteral("Sie haben eine neuere (oder die gleiche) Kolvar-Version auf Ihrem Computer installiert!");

}  // namespace

class TestUpdater : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void versionen_data();
    void versionen();
    void nichtInstalliert_data();
    void nichtInstalliert();
    void einstellungenLesen();
    void fehlendeQuelleKopiertNichts();
    void ersetzenBehaeltAltesProgramm_data();
    void ersetzenBehaeltAltesProgramm();
    void kaputtesProgrammWirdNichtInstalliert_data();
    void kaputtesProgrammWirdNichtInstalliert();
    void fehlschlagLaesstAltesProgramm_data();
    void fehlschlagLaesstAltesProgramm();
    void vollerUndSchreibgeschuetzterDatentraeger();
    void gleicheDateiWirdNichtKopiert();
    void fensterAblehnungen_data();
    void fensterAblehnungen();
    void fensterAusfuehren_data();
    void fensterAusfuehren();

private:
    QTemporaryDir m_einstellungen;
};

void TestUpdater::initTestCase()
{
    // Run by hand, the test would otherwise overwrite the user's settings.
    if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_einstellungen.path()));
}

void TestUpdater::versionen_data()
{
    QTest::addColumn<QString>("installiert");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("titel");  // empty: the update may run
    QTest::addColumn<QString>("text");

    const QString m = QStringLiteral("1.0.36"), u = QStringLiteral("1.0.43");
    const QString alt = QStringLiteral("Die installierte Version von Kolvar ist zu alt (Versionsnummer unter 1.0.36)!"
                                       "\r\rBitte installieren Sie Kolvar komplett neu!");
    const QString gleich = Gleiche + "\r\rEin Update ist nicht notwendig!";
    const QString neuer = Neuere + "\r\rEin Update ist nicht notwendig!";
    const QString keine;
    // installiert, minimum, update, titel, text
    QTest::newRow("zu alt") << "1.0.35" << m << u << ZuAlt << alt;
    QTest::newRow("minimum") << "1.0.36" << m << u << keine << keine;
    QTest::newRow("aelter") << "1.0.42" << m << u << keine << keine;
    QTest::newRow("gleich") << "1.0.43" << m << u << NichtNotwendig << gleich;
    QTest::newRow("neuere Revision") << "1.0.50" << m << u << NichtNotwendig << gleich;
    QTest::newRow("neuere Unterversion") << "1.1.0" << m << u << NichtNotwendig << neuer;
    QTest::newRow("fehlende Version") << keine << m << u << keine << keine;
    // As numbers, not as text.
    QTest::newRow("1.0.9 vor 1.0.10") << "1.0.9"
                                      << "1.0.9"
                                      << "1.0.10" << keine << keine;
    QTest::newRow("1.0.10 nicht unter 1.0.9") << "1.0.10"
                                              << "1.0.9"
                                              << "1.0.11" << keine << keine;
    QTest::newRow("1.10.2 nach 1.9.9") << "1.10.2" << m << "1.9.9" << NichtNotwendig << neuer;
    QTest::newRow("zweistellige Revision") << "1.0.100" << m << u << NichtNotwendig << gleich;
    for (const char* falsch : { "1.0.x", "Version 1.0.43", "1..43", "1.0.-43", "1.0.43." })
        QTest::newRow(falsch) << falsch << m << u << ZuAlt << alt;
}

void TestUpdater::versionen()
{
    QFETCH(QString, installiert);
    QFETCH(QString, minimum);
    QFETCH(QString, update);
    QFETCH(QString, titel);
    QFETCH(QString, text);
    Aufbau a;
    const std::optional<Meldung> m = InstallationPruefen({ a.installation, installiert }, minimum, update);
    QCOMPARE(m.has_value(), !titel.isEmpty());
    if (m) {
        QCOMPARE(m->titel, titel);
        QCOMPARE(m->text, text);
        QCOMPARE(m->symbol, titel == ZuAlt ? Meldung::Symbol::Warnung : Meldung::Symbol::Information);
    }
}

void TestUpdater::nichtInstalliert_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<bool>("programmAlsOrdner");
    QTest::newRow("kein Ordner") << "" << false;
    QTest::newRow("relativer Ordner") << "installiert" << false;
    QTest::newRow("Ordner fehlt") << "/nicht/vorhanden" << false;
    QTest::newRow("Programm ist ein Ordner") << "*" << true;
}

void TestUpdater::nichtInstalliert()
{
    QFETCH(QString, ordner);
    QFETCH(bool, programmAlsOrdner);
    Aufbau a;
    // A relative folder must not be found through the working folder.
    QVERIFY(QDir::setCurrent(a.wurzel.path()));
    if (programmAlsOrdner) {
        ordner = a.wurzel.path() + QStringLiteral("/leer");
        QVERIFY(QDir().mkpath(ordner + QStringLiteral("/kolvar")));
    }
    const std::optional<Meldung> m
        = InstallationPruefen({ ordner, QStringLiteral("1.0.40") }, MindestVersion, QStringLiteral("1.0.43"));
    QVERIFY(m);
    QCOMPARE(m->titel, NichtInstalliert);
    QCOMPARE(m->text,
        QStringLiteral("Kolvar ist auf Ihrem Computer nicht ordnungsgemäß installiert worden!\r\r"
                       "Bitte installieren Sie Kolvar noch einmal von der Original CD!"));
}

void TestUpdater::einstellungenLesen()
{
    einstellungenSchreiben(QStringLiteral("/opt/kolvar"), QStringLiteral("1.0.40"));
    Installation i = InstallationLesen();
    QCOMPARE(i.ordner, QStringLiteral("/opt/kolvar"));
    QCOMPARE(i.version, QStringLiteral("1.0.40"));
    // A folder name with a comma, written by hand without quotes.
    const QString datei
        = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrelan"), QStringLiteral("Kolvar"))
              .fileName();
    schreiben(datei, "[Pfade]\nKolvar-Verz=/home/anna/Bilder, alt\n[Version]\nVersion=1.0.41\n");
    i = InstallationLesen();
    QCOMPARE(i.ordner, QStringLiteral("/home/anna/Bilder, alt"));
    QCOMPARE(i.version, QStringLiteral("1.0.41"));
    einstellungenSchreiben(QString(), QString());
    i = InstallationLesen();
    QVERIFY(i.ordner.isEmpty());
    QVERIFY(i.version.isEmpty());
}

void TestUpdater::fehlendeQuelleKopiertNichts()
{
    Aufbau a;
    QVERIFY(QDir().mkpath(a.installation + QStringLiteral("/hilfe")));
    const Ergebnis e = DateienErsetzen(
        a.update, a.installation, { QStringLiteral("kolvar"), QString(), QStringLiteral("hilfe/update.htm") });
    QVERIFY(!e.erfolgreich);
    QCOMPARE(e.meldung.titel, QStringLiteral("Dateien wurden nicht gefunden!"));
    QCOMPARE(e.meldung.text,
        QStringLiteral("Folgende Dateien konnten nicht gefunden werden!\rupdate.htm\r\r\r"
                       "Kontrollieren Sie, ob Sie alle Dateien entzippt haben\r"
                       "und ob diese sich im Kolvar-Update Ordner befinden!"));
    // The file that was there is not copied either.
    QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), a.alt);
    QCOMPARE(eintraege(a.installation), QStringList({ "hilfe", "kolvar" }));
}

void TestUpdater::ersetzenBehaeltAltesProgramm_data()
{
    QTest::addColumn<bool>("echt");
    QTest::newRow("Skript") << false;
    QTest::newRow("gebautes kolvar") << true;
}

void TestUpdater::ersetzenBehaeltAltesProgramm()
{
    QFETCH(bool, echt);
    Aufbau a;
    if (echt) {
        a.neu = lesen(QStringLiteral(KOLVAR_PROGRAMM));
        schreiben(a.update + QStringLiteral("/kolvar"), a.neu);
    }
    const QString installiert = a.installation + QStringLiteral("/kolvar");
    const Ergebnis e = DateienErsetzen(
        a.update + QStringLiteral("/"), a.installation + QStringLiteral("/"), { QStringLiteral("kolvar") });
    QVERIFY2(e.erfolgreich, qPrintable(e.meldung.text));
    QCOMPARE(lesen(installiert), a.neu);
    QCOMPARE(lesen(installiert + QStringLiteral(".alt")), a.alt);
    QCOMPARE(QFile::permissions(installiert) & ~QFileDevice::Permissions(0x0F00), Ausfuehrbar);
    QCOMPARE(eintraege(a.installation), QStringList({ "kolvar", "kolvar.alt" }));
    QCOMPARE(ProgrammPruefen(installiert, UpdateVersion, 10000), std::nullopt);
    // The update folder keeps its file.
    QCOMPARE(lesen(a.update + QStringLiteral("/kolvar")), a.neu);

    // A second update replaces a "kolvar.alt" left by the first.
    schreiben(a.update + QStringLiteral("/kolvar"), a.alt);
    QVERIFY(DateienErsetzen(a.update, a.installation, { QStringLiteral("kolvar") }, { QStringLiteral("1.0.40") })
                .erfolgreich);
    QCOMPARE(lesen(installiert + QStringLiteral(".alt")), a.neu);
}

void TestUpdater::kaputtesProgrammWirdNichtInstalliert_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("grund");
    const QString start = QStringLiteral("lässt sich nicht starten");
    QTest::newRow("leer") << QByteArray() << "die neue Programmdatei ist leer";
    QTest::newRow("abgeschnitten") << lesen(QStringLiteral(KOLVAR_PROGRAMM)).left(500 * 1024) << "abgestürzt";
    QTest::newRow("HTML-Fehlerseite") << QByteArray(
        "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head><body>Not Found</body></html>\n")
                                      << start;
    QTest::newRow("falsche Version") << programm("1.0.41")
                                     << "meldet die Version \u201E1.0.41\u201C statt " + UpdateVersion;
    QTest::newRow("keine Ausgabe") << QByteArray("#!/bin/sh\n") << "nennt keine Version";
    QTest::newRow("Fehlerausgang") << QByteArray("#!/bin/sh\necho Kolvar 1.0.43\nexit 3\n") << "Rückgabewert 3";
    QTest::newRow("Absturz") << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << "abgestürzt";
    QTest::newRow("haengt") << QByteArray("#!/bin/sh\nexec sleep 30\n") << "nicht innerhalb von 1 Sekunden";
}

void TestUpdater::kaputtesProgrammWirdNichtInstalliert()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, grund);
    Aufbau a;
    schreiben(a.update + QStringLiteral("/kolvar"), inhalt, Ausfuehrbar);
    const Ergebnis e = DateienErsetzen(a.update, a.installation, { QStringLiteral("kolvar") }, { UpdateVersion, 1000 });
    QVERIFY(!e.erfolgreich);
    QCOMPARE(e.meldung.titel, QStringLiteral("Update fehlgeschlagen!"));
    QVERIFY2(e.meldung.text.contains(grund), qPrintable(e.meldung.text));
    QVERIFY(e.meldung.text.endsWith(QStringLiteral("Die bisherige Kolvar-Version ist unverändert geblieben.")));
    QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), a.alt);
    QCOMPARE(eintraege(a.installation), QStringList({ "kolvar" }));
    QCOMPARE(
        ProgrammPruefen(a.installation + QStringLiteral("/kolvar"), QStringLiteral("1.0.40"), 10000), std::nullopt);
}

void TestUpdater::fehlschlagLaesstAltesProgramm_data()
{
    QTest::addColumn<QString>("hilfe");  // what lies where the help page goes
    QTest::addColumn<QStringList>("danach");
    QTest::addColumn<QString>("folge");
    const QString unveraendert = QStringLiteral("Die bisherige Kolvar-Version ist unverändert geblieben.");
    QTest::newRow("Unterordner fehlt") << "" << QStringList({ "kolvar" }) << unveraendert;
    QTest::newRow("Datei statt Unterordner") << "Datei" << QStringList({ "hilfe", "kolvar" }) << unveraendert;
    // Found only at the rename, after the program was replaced.
    QTest::newRow("Ordner statt Datei")
        << "Ordner" << QStringList({ "hilfe", "kolvar", "kolvar.alt" })
        << "Die Dateien davor wurden bereits ersetzt; bitte führen Sie das Update noch einmal aus.";
}

void TestUpdater::fehlschlagLaesstAltesProgramm()
{
    QFETCH(QString, hilfe);
    QFETCH(QStringList, danach);
    QFETCH(QString, folge);
    Aufbau a;
    schreiben(a.update + QStringLiteral("/update.htm"), "<html>");
    if (hilfe == QLatin1String("Datei"))
        schreiben(a.installation + QStringLiteral("/hilfe"), "keine Hilfe");
    if (hilfe == QLatin1String("Ordner"))
        QVERIFY(QDir().mkpath(a.installation + QStringLiteral("/hilfe/update.htm/alt")));
    const Ergebnis e
        = DateienErsetzen(a.update, a.installation, { QStringLiteral("kolvar"), QStringLiteral("hilfe/update.htm") });
    QVERIFY(!e.erfolgreich);
    QCOMPARE(e.teilweise, hilfe == QLatin1String("Ordner"));
    QCOMPARE(e.meldung.titel, QStringLiteral("Update fehlgeschlagen!"));
    QVERIFY2(e.meldung.text.contains(a.installation + QStringLiteral("/hilfe/update.htm")), qPrintable(e.meldung.text));
    QVERIFY(e.meldung.text.endsWith(folge));
    QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), e.teilweise ? a.neu : a.alt);
    QCOMPARE(eintraege(a.installation), danach);
}

void TestUpdater::vollerUndSchreibgeschuetzterDatentraeger()
{
    Aufbau a;
    KleinerDatentraeger klein(64 * 1024);
    QVERIFY2(klein.bereit(), qPrintable(QStringLiteral("kein kleiner Datenträger: ") + klein.grund()));
    const QString installation = klein.pfad() + QStringLiteral("kolvar-inst");
    QVERIFY(QDir().mkpath(installation));
    schreiben(installation + QStringLiteral("/kolvar"), a.alt, Ausfuehrbar);
    schreiben(a.update + QStringLiteral("/kolvar"), a.neu + QByteArray(256 * 1024, '#'));

    const struct {
        bool schuetzen;
        QString grund;
    } faelle[] = {
        { false,
            QStringLiteral("kein Speicherplatz mehr auf dem Datenträger \u201E%1\u201C").arg(klein.pfad().chopped(1)) },
        { true, QStringLiteral("der Datenträger mit \u201E%1\u201C ist schreibgeschützt").arg(installation) },
    };
    for (const auto& fall : faelle) {
        if (fall.schuetzen)
            QVERIFY(klein.schreibschuetzen());
        const Ergebnis e = DateienErsetzen(a.update, installation, { QStringLiteral("kolvar") });
        QVERIFY(!e.erfolgreich);
        QCOMPARE(e.meldung.titel, QStringLiteral("Update fehlgeschlagen!"));
        QVERIFY2(e.meldung.text.contains(fall.grund), qPrintable(e.meldung.text));
        QCOMPARE(lesen(installation + QStringLiteral("/kolvar")), a.alt);
        QCOMPARE(eintraege(installation), QStringList({ "kolvar" }));
    }
}

void TestUpdater::gleicheDateiWirdNichtKopiert()
{
    Aufbau a;
    // Also through a link to the folder: the same file under another name.
    const QString verweis = a.wurzel.path() + QStringLiteral("/verweis");
    QVERIFY(QFile::link(a.installation, verweis));
    for (const QString& quelle : { a.installation, verweis }) {
        const Ergebnis e = DateienErsetzen(quelle, a.installation, { QStringLiteral("kolvar") });
        QVERIFY(!e.erfolgreich);
        QCOMPARE(e.meldung.titel, QStringLiteral("Update nicht ausgeführt!"));
        QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), a.alt);
        QCOMPARE(eintraege(a.installation), QStringList({ "kolvar" }));
    }
}

void TestUpdater::fensterAblehnungen_data()
{
    QTest::addColumn<bool>("installiert");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("titel");
    QTest::newRow("nicht installiert") << false << "1.0.40" << NichtInstalliert;
    QTest::newRow("zu alt") << true << "1.0.35" << ZuAlt;
    QTest::newRow("unlesbare Version") << true << "neu" << ZuAlt;
    QTest::newRow("gleich") << true << UpdateVersion << NichtNotwendig;
}

void TestUpdater::fensterAblehnungen()
{
    QFETCH(bool, installiert);
    QFETCH(QString, version);
    QFETCH(QString, titel);
    Aufbau a;
    einstellungenSchreiben(installiert ? a.installation : QString(), version);
    frmUpdate f;
    QList<Meldung> gezeigt;
    f.setMelder([&](const Meldung& m) { gezeigt.append(m); });
    QVERIFY(!f.laden(InstallationLesen()));
    QCOMPARE(gezeigt.size(), 1);
    QCOMPARE(gezeigt.first().titel, titel);
    QVERIFY(!f.cmdStart->isEnabled());
    QCOMPARE(f.lblAnzeige2->text(), QStringLiteral("<Update-Version>"));
    QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), a.alt);
}

void TestUpdater::fensterAusfuehren_data()
{
    QTest::addColumn<QString>("version");  // installed, as the settings name it
    QTest::addColumn<QString>("programm");  // the update's kolvar
    QTest::addColumn<QString>("titel");  // shown in the window afterwards
    QTest::addColumn<QString>("danach");  // what the window says of the installation afterwards
    const QString unveraendert = QStringLiteral("Kolvar in\n\u201E%1\u201C ist unverändert geblieben.");
    QTest::newRow("Erfolg") << "1.0.40"
                            << "gut"
                            << "Update war erfolgreich!"
                            << "Kolvar in\n\u201E%1\u201C hat jetzt die Version " + UpdateVersion
            + "; die bisherige Programmdatei bleibt bis zum ersten Start als \u201Ekolvar.alt\u201C daneben.";
    QTest::newRow("Programm fehlt") << ""
                                    << "fehlt"
                                    << "Dateien wurden nicht gefunden!" << unveraendert;
    QTest::newRow("Programm kaputt") << ""
                                     << "<html><body>502 Bad Gateway</body></html>"
                                     << "Update fehlgeschlagen!" << unveraendert;
}

void TestUpdater::fensterAusfuehren()
{
    QFETCH(QString, version);
    QFETCH(QString, programm);
    QFETCH(QString, titel);
    QFETCH(QString, danach);
    const bool erfolg = programm == QLatin1String("gut");
    Aufbau a;
    if (programm == QLatin1String("fehlt"))
        QVERIFY(QFile::remove(a.update + QStringLiteral("/kolvar")));
    else if (!erfolg)
        schreiben(a.update + QStringLiteral("/kolvar"), programm.toUtf8());
    einstellungenSchreiben(a.installation, version);
    frmUpdate f;
    QList<Meldung> gezeigt;
    f.setMelder([&](const Meldung& m) { gezeigt.append(m); });
    f.setQuellordner(a.update);
    QVERIFY(f.laden(InstallationLesen()));
    QVERIFY(gezeigt.isEmpty());
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Kolvar-Update"));
    QCOMPARE(f.lblAnzeige1->text(), QStringLiteral("Kolvar-Update auf Version:"));
    QCOMPARE(f.lblAnzeige2->text(), UpdateVersion);
    QCOMPARE(f.lblInstallation->text(),
        QStringLiteral("Ersetzt wird Kolvar %1 in\n\u201E%2\u201C.")
            .arg(version.isEmpty() ? QStringLiteral("(Version unbekannt)") : version, a.installation));
    QCOMPARE(f.cmdStart->text(), QStringLiteral("Ausführen"));
    QVERIFY(f.cmdStart->isEnabled());

    // Enter runs the update wherever the focus is: the one button is the default.
    QSignalSpy ende(&f, &frmUpdate::beenden);
    f.cmdStart->clearFocus();
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(gezeigt.size(), erfolg ? 0 : 1);
    if (!erfolg)
        QCOMPARE(gezeigt.first().titel, titel);
    QCOMPARE(f.lblAnzeige2->text(), titel);
    QCOMPARE(f.lblInstallation->text(), danach.arg(a.installation));
    QVERIFY(f.lblAnzeige1->isHidden() && f.cmdStart->isHidden());
    QCOMPARE(lesen(a.installation + QStringLiteral("/kolvar")), erfolg ? a.neu : a.alt);
    // Success shows itself for two seconds; a failure ends after its message.
    QCOMPARE(f.Timer1->isActive(), erfolg);
    QCOMPARE(f.Timer1->interval(), 2000);
    QCOMPARE(ende.size(), erfolg ? 0 : 1);
}

QTEST_MAIN(TestUpdater)
#include "test_updater.moc"
