#include "frmAlbenAnzeige.h"

#include "Albenanzeigelogik.h"
#include "Bilderpflege.h"
#include "Bildknopf.h"
#include "Bildleser.h"
#include "Bildliste.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "Twips.h"
#include "mdlDatenbanken.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

frmAlbenAnzeige::frmAlbenAnzeige(
    Programmzustand& zustand, Datenbankobjekte& datenbank, const Bildliste& bilder, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
    , m_bilder(bilder)
{
    setObjectName(QStringLiteral("frmAlbenAnzeige"));
    z.offen.albenAnzeige = true;
    aufbauen();
    setWindowTitle(z.albumName);
    knopfSperren(m_cmdBack, true);
    knopfSperren(m_cmdFirst, true);
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("albenanzeige.htm"));
}

frmAlbenAnzeige::~frmAlbenAnzeige()
{
    // A closed window may go only after a new one was loaded: its flag is that one's.
    if (!m_geschlossen)
        z.offen.albenAnzeige = false;
}

void frmAlbenAnzeige::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    // Whoever closes the viewer (the user, closing the collection, opening
    // another, ending the program) does so before rsAlbum goes: the remark
    // typed last is written now or never.
    BemerkungSichern();
    m_geschlossen = true;
    z.offen.albenAnzeige = false;
    emit geschlossen();
}

frmAlbenAnzeige::Bildkennung frmAlbenAnzeige::aktuelleKennung() const
{
    const Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.Bof() || rs.Eof())
        return {};
    return { z.albumNummer, FeldLesen(rs, QStringLiteral("Dateiname")), FeldLesen(rs, QStringLiteral("DBNummer")) };
}

void frmAlbenAnzeige::knopfSperren(Bildknopf* knopf, bool gesperrt)
{
    knopf->navigationSperren(gesperrt, AktiverButton() == knopf->objectName());
}

void frmAlbenAnzeige::NeuesAlbum()
{
    setWindowTitle(z.suchergebnisAngezeigt ? QStringLiteral("Suchergebnis:") : z.albumName);
    BildAnzeigen();
    if (z.offen.bilderListe)
        z.ui().ListeMarkierungNachfuehren();
    NaviPruefung();
}

void frmAlbenAnzeige::BildAnzeigen()
{
    // A row deleted at the user's request gives way to the first row.
    while (!zeileAnzeigen()) { }
}

void frmAlbenAnzeige::bildLeeren()
{
    m_imgBild->clear();
    m_imgBild->hide();
    m_imgBild->unsetCursor();
    m_bildGezeigt = false;
}

void frmAlbenAnzeige::bemerkungSetzen(const QString& text)
{
    m_bemerkungWirdGesetzt = true;
    m_txtBemerkung->setPlainText(text);
    m_bemerkungWirdGesetzt = false;
}

void frmAlbenAnzeige::bemerkungSperren(bool gesperrt)
{
    m_txtBemerkung->setReadOnly(gesperrt);
    gesperrtZeigen(m_txtBemerkung, gesperrt);
}

void frmAlbenAnzeige::leeresAlbumZeigen()
{
    AnzeigeLeeren();
    m_txtBildname->setText(QStringLiteral("In diesem Album ist noch kein Bild vorhanden!"));
    if (z.offen.bilder)
        emit zoomAnsichtSchliessen();
}

bool frmAlbenAnzeige::zeileAnzeigen()
{
    // The wait pointer while a picture is looked up; it goes before every question.
    Sanduhr zeiger;
    bildLeeren();
    if (z.offen.begriffe)
        z.ui().BegriffeListenAuffuellen();
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0) {
        leeresAlbumZeigen();
        return true;
    }
    if (rs.Bof() || rs.Eof())
        rs.MoveFirst();

    // The text shown now belongs to this picture; an unsaved edit of the one
    // before cannot be told apart any more.
    m_gezeigt = aktuelleKennung();
    Aenderung = false;
    // Pictures may have come into an album that was empty when it was chosen.
    // The search result's rows are copies: remark and date stay locked there.
    bemerkungSperren(z.suchergebnisAngezeigt);
    m_cmdDatum->setEnabled(!z.suchergebnisAngezeigt);
    m_cmdBegriffe->setEnabled(true);

    m_txtBildname->setText(FeldLesen(rs, QStringLiteral("Dateiname")));
    SuchergebnisAlbumSetzen(z, db);
    m_lblSpeicherOrt->setText(Speicherortsatz(z.albumCDName, z.albumPfad));
    m_txtBegriffe->setText(BegriffeAuflisten());
    bemerkungSetzen(FeldLesen(rs, QStringLiteral("Bemerkung")));
    m_txtBilddatum->setText(FeldLesen(rs, QStringLiteral("Datum")));

    QString pfad = VorhandenerBildpfad(z, db);
    if (pfad.isEmpty()) {
        zeiger.aus();
        // A CD album has asked for its disc already.
        if (!z.albumCDName.isEmpty())
            return true;
        const QChar cr(13);
        // The file the program looked for, so the user knows what to search.
        const QString gesucht = bildBezeichnung();
        const Meldungen::Antwort suchen = z.Meldung(QStringLiteral("Das Bild steht nicht im angegebenen Ordner!") + cr
                + gesucht + cr + cr + QStringLiteral("Wollen Sie den neuen Standort suchen?"),
            Meldungen::Frage, QStringLiteral("Verzeichnis stimmt nicht!"));
        if (suchen == Meldungen::Antwort::Ja) {
            if (bilderverzeichnisWaehlen)
                bilderverzeichnisWaehlen();
            pfad = VorhandenerBildpfad(z, db);
            if (pfad.isEmpty())
                return true;
        } else {
            if (z.Meldung(gesucht + cr + cr + QStringLiteral("Soll der Eintrag gelöscht werden?"), Meldungen::Frage,
                    QStringLiteral("Eintrag löschen"))
                != Meldungen::Antwort::Ja)
                return true;
            try {
                BildEintragEntfernen(z, db, false);
            } catch (const DatenbankFehler& fehler) {
                z.Meldung(QStringLiteral("Der Eintrag des Bildes %1 kann nicht gelöscht werden.").arg(gesucht) + cr + cr
                        + fehler.text(),
                    Meldungen::Fehler, QStringLiteral("Eintrag löschen"));
                return true;
            }
            if (rs.RecordCount() > 0)
                rs.MoveFirst();
            z.ui().ListeAuffuellen();
            return false;
        }
    }
    m_txtBilddatum->setText(DatumNachtragen(db, pfad));
    vorschauZeigen(pfad);
    return true;
}

void frmAlbenAnzeige::vorschauZeigen(const QString& pfad)
{
    Bildleser leser;
    if (!leser.Oeffnen(pfad))
        return;
    const QSize passend = BildEinpassen(leser.Groesse(), BildRahmen);
    if (!passend.isValid())
        return;
    // Decoded straight at the preview's size: a camera picture is never read whole.
    const QImage bild = leser.Lesen(passend);
    if (bild.isNull())
        return;
    m_imgBild->setFixedSize(passend);
    m_imgBild->setPixmap(QPixmap::fromImage(bild));
    if (m_bilder.enthaelt(QStringLiteral("hand-m")))
        m_imgBild->setCursor(QCursor(m_bilder.bild(QStringLiteral("hand-m")), 10, 1));
    else
        m_imgBild->setCursor(Qt::PointingHandCursor);
    m_imgBild->show();
    m_bildGezeigt = true;
}

void frmAlbenAnzeige::NaviPruefung()
{
    const Navigationssperre sperre = NaviSperre(db.rsAlbum);
    knopfSperren(m_cmdNext, sperre.vor);
    knopfSperren(m_cmdLast, sperre.vor);
    knopfSperren(m_cmdBack, sperre.zurueck);
    knopfSperren(m_cmdFirst, sperre.zurueck);
}

void frmAlbenAnzeige::NormaleButtons()
{
    m_knoepfe.NormaleButtons();
}

void frmAlbenAnzeige::AktiverButtonLeeren()
{
    m_knoepfe.mausUeberFlaeche();
}

void frmAlbenAnzeige::BegrenzungenAnzeigen()
{
    update();
}

QString frmAlbenAnzeige::BegriffeAuflisten()
{
    return ::BegriffeAuflisten(db.rsBegriffe, FeldLesen(db.rsAlbum, QStringLiteral("Schluesselbegriffe")));
}

void frmAlbenAnzeige::BegriffeAktualisieren()
{
    if (db.rsAlbum.IstOffen() && db.rsAlbum.RecordCount() > 0)
        m_txtBegriffe->setText(BegriffeAuflisten());
}

double frmAlbenAnzeige::VerhaeltnisTwipPixel_Hoehe() const
{
    const QWidget* aussen = parentWidget() ? parentWidget() : this;
    return height() > 0 ? double(Twips::ausPixel(aussen->height())) / height() : Twips::proPixel();
}

double frmAlbenAnzeige::VerhaeltnisTwipPixel_Breite() const
{
    const QWidget* aussen = parentWidget() ? parentWidget() : this;
    return width() > 0 ? double(Twips::ausPixel(aussen->width())) / width() : Twips::proPixel();
}

void frmAlbenAnzeige::BemerkungSichern()
{
    if (!Aenderung)
        return;
    Aenderung = false;
    // Written only onto the picture it was typed for.
    const Bildkennung jetzt = aktuelleKennung();
    if (jetzt.dateiname.isEmpty() || !(jetzt == m_gezeigt))
        return;
    feldSchreiben(QStringLiteral("Bemerkung"), m_txtBemerkung->toPlainText(),
        QStringLiteral("Die Bemerkung zum Bild %1 kann nicht gespeichert werden."),
        QStringLiteral("Bemerkung speichern"));
}

bool frmAlbenAnzeige::feldSchreiben(
    const QString& spalte, const QString& wert, const QString& fehlertext, const QString& titel)
{
    try {
        BildFeldSchreiben(db, spalte, wert);
        return true;
    } catch (const DatenbankFehler& fehler) {
        // The row keeps what it had; the user hears that the change is not stored.
        try {
            db.rsAlbum.CancelUpdate();
        } catch (const DatenbankFehler&) {
        }
        const QChar cr(13);
        z.Meldung(fehlertext.arg(bildBezeichnung()) + cr + cr + fehler.text(), Meldungen::Fehler, titel);
        return false;
    }
}

QString frmAlbenAnzeige::bildBezeichnung()
{
    const QString pfad = BildPfadStill(z, db);
    return QDir::toNativeSeparators(pfad.isEmpty() ? FeldLesen(db.rsAlbum, QStringLiteral("Dateiname")) : pfad);
}

void frmAlbenAnzeige::Aktivieren()
{
    BegrenzungenAnzeigen();
    m_movBildDatum->setSelectedDate(QDate::currentDate());
}

void frmAlbenAnzeige::BearbeitungFreigeben()
{
    bemerkungSperren(false);
    m_cmdBegriffe->setEnabled(true);
    m_cmdDatum->setEnabled(true);
}

void frmAlbenAnzeige::AnzeigeLeeren()
{
    bildLeeren();
    m_gezeigt = {};
    Aenderung = false;
    for (QLineEdit* feld : { m_txtBildname, m_txtBilddatum, m_txtBegriffe })
        feld->clear();
    bemerkungSetzen(QString());
    m_lblSpeicherOrt->clear();
    bemerkungSperren(true);
    m_cmdDatum->setEnabled(false);
    m_cmdBegriffe->setEnabled(false);
    m_movBildDatum->hide();
    m_cmdDatum->setText(QStringLiteral("Neues Datum"));
    for (Bildknopf* knopf : { m_cmdFirst, m_cmdBack, m_cmdNext, m_cmdLast })
        knopfSperren(knopf, true);
}

void frmAlbenAnzeige::Navigieren(Schritt schritt)
{
    BemerkungSichern();
    if (z.offen.begriffe)
        z.ui().BegriffEingabeUebernehmen();
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0)
        return;
    DatensatzBlaettern(rs, schritt);
    BildAnzeigen();
    z.ui().ListeMarkierungNachfuehren();
    NaviPruefung();
    if (z.offen.bilder)
        z.ui().ZoomBildAnzeigen();
}

void frmAlbenAnzeige::cmdDatum_Click()
{
    if (m_movBildDatum->isHidden()) {
        const QSize g = m_movBildDatum->sizeHint().expandedTo(m_movBildDatum->minimumSize());
        const QPoint unter = m_cmdDatum->mapTo(this, QPoint(0, m_cmdDatum->height() + 2));
        const int x = std::clamp(unter.x() + m_cmdDatum->width() - g.width(), 4, std::max(4, width() - g.width() - 4));
        m_movBildDatum->setGeometry(x, unter.y(), g.width(), g.height());
        m_movBildDatum->show();
        m_movBildDatum->raise();
        m_cmdDatum->setText(QStringLiteral("Schließen"));
    } else {
        m_movBildDatum->hide();
        m_cmdDatum->setText(QStringLiteral("Neues Datum"));
    }
}

void frmAlbenAnzeige::movBildDatum_Gewaehlt(const QDate& datum)
{
    Recordset& rs = db.rsAlbum;
    if (datum.isValid() && rs.IstOffen() && !rs.Bof() && !rs.Eof()) {
        const QString text = DatumText(datum);
        // On failure the field keeps showing the stored date.
        if (feldSchreiben(QStringLiteral("Datum"), text,
                QStringLiteral("Das Datum des Bildes %1 kann nicht gespeichert werden."),
                QStringLiteral("Neues Datum")))
            m_txtBilddatum->setText(text);
    }
    m_movBildDatum->hide();
    m_cmdDatum->setText(QStringLiteral("Neues Datum"));
}

void frmAlbenAnzeige::imgBild_Click()
{
    if (!m_bildGezeigt)
        return;
    const QString pfad = BildPfad(z, db);
    if (BilddateiVorhanden(pfad))
        z.ui().ZoomAnsichtZeigen();
}

void frmAlbenAnzeige::cmdBegriffe_Click()
{
    z.ui().BegriffeFensterUmschalten();
}

void frmAlbenAnzeige::paintEvent(QPaintEvent*)
{
    // Line1..Line4 along the inner edges.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(0, 0, width() - 1, height() - 1);
}

void frmAlbenAnzeige::mouseMoveEvent(QMouseEvent* e)
{
    m_knoepfe.mausUeberFlaeche();
    QWidget::mouseMoveEvent(e);
}

bool frmAlbenAnzeige::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        if (objekt == m_imgBild) {
            imgBild_Click();
            return true;
        }
        if (objekt == m_txtBegriffe && m_cmdBegriffe->isEnabled()) {
            cmdBegriffe_Click();
            return false;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
