#include "Einstellungen.h"

#include "mdlRegistry.h"

#include <QRect>

#include <algorithm>
#include <limits>

namespace {

const QString Pfade = QStringLiteral("Pfade");
const QString MDI = QStringLiteral("MDI");
const QString Optionen = QStringLiteral("Optionen");
const QString Version = QStringLiteral("Version");

template <typename Zahl>
Zahl ganzeZahl(const QString& text, Zahl vorgabe)
{
    bool ok = false;
    const qlonglong wert = text.trimmed().toLongLong(&ok);
    if (!ok || wert < std::numeric_limits<Zahl>::min() || wert > std::numeric_limits<Zahl>::max())
        return vorgabe;
    return static_cast<Zahl>(wert);
}

float kommazahl(const QString& text, float vorgabe)
{
    bool ok = false;
    const float wert = text.trimmed().toFloat(&ok);
    return ok ? wert : vorgabe;
}

bool wahrheitswert(const QString& text, bool vorgabe)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return vorgabe;
}

}  // namespace

QString WahrheitswertText(bool wert)
{
    return wert ? QStringLiteral("True") : QStringLiteral("False");
}

GeladeneEinstellungen EinstellungenLaden(const Registry& r)
{
    GeladeneEinstellungen e;
    e.aktuelleDatenbank = r.TextLesen(Pfade, QStringLiteral("AktuelleDatenbank")).value_or(QString());

    const Fenstergeometrie vorgabe;
    // A number beyond 16 bit is clamped, not dropped: a window made very large
    // stays large, and the screen check at start fits it onto the screen.
    auto geometriewert = [&](const char* name, int standard) {
        const qint64 wert = ganzeZahl<qint64>(
            r.TextLesenMitVorgabe(MDI, QLatin1String(name), QString::number(standard)), standard);
        return static_cast<int>(std::clamp<qint64>(wert, std::numeric_limits<qint16>::min(),
                                                   std::numeric_limits<qint16>::max()));
    };
    e.geometrie.hoehe = geometriewert("Hoehe", vorgabe.hoehe);
    e.geometrie.breite = geometriewert("Breite", vorgabe.breite);
    e.geometrie.links = geometriewert("Links", vorgabe.links);
    e.geometrie.oben = geometriewert("Oben", vorgabe.oben);
    e.geometrie.status = geometriewert("Status", vorgabe.status);
    if (e.geometrie.status < Fenstergeometrie::Normal || e.geometrie.status > Fenstergeometrie::Maximiert)
        e.geometrie.status = Fenstergeometrie::Normal;

    const Einstellungen s;
    Einstellungen& o = e.optionen;
    auto text = [&](const char* name, const QString& standard) {
        return r.TextLesenMitVorgabe(Optionen, QLatin1String(name), standard);
    };
    auto zahl = [&](const char* name, int standard) {
        return ganzeZahl<qint32>(text(name, QString::number(standard)), standard);
    };
    o.GroesseVorschauBild = zahl("GroesseVorschauBild", s.GroesseVorschauBild);
    o.AnzahlBrowserZeilen = zahl("AnzahlBrowserZeilen", s.AnzahlBrowserZeilen);
    o.BilderFormGroesseX = kommazahl(text("BilderFormGroesseX", QStringLiteral("9000")), s.BilderFormGroesseX);
    o.BilderFormGroesseY = kommazahl(text("BilderFormGroesseY", QStringLiteral("7000")), s.BilderFormGroesseY);
    o.lngBehandlungNeueAlben = zahl("lngBehandlungNeueAlben", s.lngBehandlungNeueAlben);
    o.lngBehandlungBilder = zahl("lngBehandlungBilder", s.lngBehandlungBilder);
    o.lngBehandlungNeueCDAlben = zahl("lngBehandlungNeueCDAlben", s.lngBehandlungNeueCDAlben);
    o.blnAngabenUebernehmen = wahrheitswert(text("blnAngabenUebernehmen", QStringLiteral("True")), s.blnAngabenUebernehmen);
    o.blnPraeBilderAngleichen = wahrheitswert(text("blnPraeBilderAngleichen", QStringLiteral("True")), s.blnPraeBilderAngleichen);
    o.blnTastenTausch = wahrheitswert(text("blnTastenTausch", QStringLiteral("False")), s.blnTastenTausch);
    o.MdacOK = wahrheitswert(text("MdacOK", QStringLiteral("False")), s.MdacOK);
    o.ListeBreite = zahl("ListeBreite", s.ListeBreite);
    return e;
}

void EinstellungenSpeichern(Registry& r, const QString& programmordner, const QString& aktuelleDatenbank,
                            const Fenstergeometrie& g, const Einstellungen& o, const QString& versionstext)
{
    r.TextSchreiben(Pfade, QStringLiteral("Kolvar-Verz"), programmordner);
    r.TextSchreiben(Pfade, QStringLiteral("AktuelleDatenbank"),
                    aktuelleDatenbank.isEmpty() ? QStringLiteral(" ") : aktuelleDatenbank);

    r.TextSchreiben(MDI, QStringLiteral("Hoehe"), QString::number(g.hoehe));
    r.TextSchreiben(MDI, QStringLiteral("Breite"), QString::number(g.breite));
    r.TextSchreiben(MDI, QStringLiteral("Links"), QString::number(g.links));
    r.TextSchreiben(MDI, QStringLiteral("Oben"), QString::number(g.oben));
    r.TextSchreiben(MDI, QStringLiteral("Status"), QString::number(g.status));

    auto schreiben = [&](const char* name, const QString& wert) {
        r.TextSchreiben(Optionen, QLatin1String(name), wert);
    };
    schreiben("GroesseVorschauBild", QString::number(o.GroesseVorschauBild));
    schreiben("AnzahlBrowserZeilen", QString::number(o.AnzahlBrowserZeilen));
    schreiben("BilderFormGroesseX", QString::number(o.BilderFormGroesseX));
    schreiben("BilderFormGroesseY", QString::number(o.BilderFormGroesseY));
    schreiben("lngBehandlungNeueAlben", QString::number(o.lngBehandlungNeueAlben));
    schreiben("lngBehandlungBilder", QString::number(o.lngBehandlungBilder));
    schreiben("lngBehandlungNeueCDAlben", QString::number(o.lngBehandlungNeueCDAlben));
    schreiben("blnAngabenUebernehmen", WahrheitswertText(o.blnAngabenUebernehmen));
    schreiben("blnPraeBilderAngleichen", WahrheitswertText(o.blnPraeBilderAngleichen));
    schreiben("blnTastenTausch", WahrheitswertText(o.blnTastenTausch));
    schreiben("MdacOK", WahrheitswertText(o.MdacOK));
    schreiben("ListeBreite", QString::number(o.ListeBreite));

    r.TextSchreiben(Version, QStringLiteral("Version"), versionstext);
    r.sichern();
}

QRect FensterAufBildschirm(const QRect& fenster, const QList<QRect>& bildschirme)
{
    if (bildschirme.isEmpty())
        return fenster;
    // The screen the window shows most on, or the first when it shows on none.
    QRect ziel = bildschirme.first();
    qint64 groessteFlaeche = 0;
    for (const QRect& b : bildschirme) {
        const QRect schnitt = b.intersected(fenster);
        const qint64 flaeche = qint64(schnitt.width()) * schnitt.height();
        if (flaeche > groessteFlaeche) {
            groessteFlaeche = flaeche;
            ziel = b;
        }
    }
    QRect ergebnis(fenster.topLeft(), fenster.size().boundedTo(ziel.size()).expandedTo(QSize(1, 1)));
    ergebnis.moveLeft(std::clamp(ergebnis.left(), ziel.left(), ziel.right() - ergebnis.width() + 1));
    ergebnis.moveTop(std::clamp(ergebnis.top(), ziel.top(), ziel.bottom() - ergebnis.height() + 1));
    return ergebnis;
}
