#include "frmBilderListe.h"

#include "Bilderlistenfeld.h"
#include "Bilderpflege.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "Twips.h"
#include "mdlHilfe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDrag>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QFrame* panel(const QString& name, QWidget* eltern)
{
    auto* f = new QFrame(eltern);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return f;
}

} // namespace

frmBilderListe::frmBilderListe(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
{
    setObjectName(QStringLiteral("frmBilderListe"));
    setWindowTitle(QStringLiteral("BilderListe"));
    aufbauen();
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("begriffserklaerung.htm"));
    z.offen.bilderListe = true;
}

frmBilderListe::~frmBilderListe()
{
    // A closed window may go only after a new one was loaded: its flag is that one's.
    if (!m_geschlossen)
        z.offen.bilderListe = false;
}

void frmBilderListe::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    m_geschlossen = true;
    z.offen.bilderListe = false;
    emit geschlossen();
}

void frmBilderListe::aufbauen()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(1, 1, 1, 1);
    haupt->setSpacing(0);

    QFrame* oben = panel(QStringLiteral("sspOben"), this);
    auto* obenLayout = new QHBoxLayout(oben);
    obenLayout->setContentsMargins(6, 3, 6, 3);
    m_lblTabellenname = new QLabel(oben);
    m_lblTabellenname->setObjectName(QStringLiteral("lblTabellenname"));
    QFont fett = m_lblTabellenname->font();
    fett.setBold(true);
    m_lblTabellenname->setFont(fett);
    obenLayout->addWidget(m_lblTabellenname);
    haupt->addWidget(oben);

    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(0);
    m_feld = new Bilderlistenfeld(m_modell, this);
    m_feld->leertextSetzen(QStringLiteral("Noch kein Bild vorhanden!"));
    m_vscListe = new QScrollBar(Qt::Vertical, this);
    m_vscListe->setObjectName(QStringLiteral("vscListe"));
    m_vscListe->setRange(0, 1000);
    mitte->addWidget(m_feld, 1);
    mitte->addWidget(m_vscListe);
    haupt->addLayout(mitte, 1);

    QFrame* unten = panel(QStringLiteral("sspUnten"), this);
    auto* untenLayout = new QHBoxLayout(unten);
    untenLayout->setContentsMargins(6, 4, 6, 4);
    m_cmdLoeschen = new QPushButton(QStringLiteral("Löschen"), unten);
    m_cmdLoeschen->setObjectName(QStringLiteral("cmdLoeschen"));
    m_cmdHinzufuegen = new QPushButton(QStringLiteral("Hinzufügen"), unten);
    m_cmdHinzufuegen->setObjectName(QStringLiteral("cmdHinzufuegen"));
    untenLayout->addWidget(m_cmdLoeschen);
    untenLayout->addWidget(m_cmdHinzufuegen);
    haupt->addWidget(unten);

    connect(m_vscListe, &QScrollBar::valueChanged, this, &frmBilderListe::vscListeEinrichten);
    connect(m_feld, &Bilderlistenfeld::groesseGeaendert, this, &frmBilderListe::vscListeEinrichten);
    connect(m_feld, &Bilderlistenfeld::radGedreht, this,
        [this](int zeilen) { m_vscListe->setValue(m_vscListe->value() + zeilen * m_vscListe->singleStep()); });
    connect(m_feld, &Bilderlistenfeld::gedrueckt, this, &frmBilderListe::EintragGedrueckt);
    connect(m_feld, &Bilderlistenfeld::doppelklick, this, &frmBilderListe::EintragDoppelklick);
    connect(m_feld, &Bilderlistenfeld::tasteGedrueckt, this, &frmBilderListe::TasteGedrueckt);
    connect(m_feld, &Bilderlistenfeld::ziehenBeginnen, this, &frmBilderListe::ziehen);
    connect(m_feld, &Bilderlistenfeld::gezogenUeber, this, [this](int position) {
        if (position != m_zugStart && z.offen.storyboard && AnzahlMarkierteFelder() >= 2)
            m_mehrfachHinweis = true;
    });
    connect(m_cmdLoeschen, &QPushButton::clicked, this, &frmBilderListe::BildLoeschen);
    connect(m_cmdHinzufuegen, &QPushButton::clicked, this, &frmBilderListe::Hinzufuegen);
}

void frmBilderListe::ListeAuffuellen()
{
    Sanduhr sanduhr;
    Recordset& rs = db.rsAlbum;
    const int position = rs.AbsolutePosition();
    const bool mitZeilen = rs.IstOffen() && rs.RecordCount() > 0;
    // The search result was read just now and changes only through rsAlbum:
    // no second read of all its rows.
    if (mitZeilen && !z.suchergebnisAngezeigt) {
        try {
            rs.Requery();
        } catch (const DatenbankFehler&) {
            // The rows read before stay; they are shown.
        }
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_lblTabellenname->setText(z.suchergebnisAngezeigt ? QStringLiteral("Suchergebnis:") : z.albumName);

    const int anzahl = rs.IstOffen() ? rs.RecordCount() : 0;
    if (anzahl == 0) {
        m_modell.Leeren();
    } else {
        m_modell.Auffuellen(rs);
        if (position != Recordset::PositionUnbekannt && position <= anzahl)
            rs.AbsolutePositionSetzen(position);
    }
    m_cmdLoeschen->setEnabled(anzahl > 0 && !z.suchergebnisAngezeigt);
    // An empty album gets its first pictures here, so adding stays possible.
    m_cmdHinzufuegen->setEnabled(rs.IstOffen() && !z.suchergebnisAngezeigt);
    m_vscListe->setValue(0);
    vscListeEinrichten();
}

void frmBilderListe::vscListeEinrichten()
{
    const int sichtbar = m_feld->height();
    const int ueberhang = m_feld->gesamthoehe() - sichtbar;
    if (ueberhang <= 0) {
        const QSignalBlocker sperre(m_vscListe);
        m_vscListe->setValue(0);
        m_vscListe->setRange(0, 0); // no handle while there is nothing to scroll
        m_vscListe->setEnabled(false);
        m_feld->versatzSetzen(0);
        return;
    }
    // Per mille of the overflow; a longer list gets one step per pixel so
    // that every entry can still be brought into view.
    const int hoechstwert = std::max(1000, ueberhang);
    {
        const QSignalBlocker sperre(m_vscListe);
        m_vscListe->setEnabled(true);
        m_vscListe->setRange(0, hoechstwert);
        m_vscListe->setSingleStep(std::max(1, int(qint64(hoechstwert) * m_feld->zeilenhoehe() / ueberhang)));
        m_vscListe->setPageStep(std::max(1, int(qint64(hoechstwert) * sichtbar / ueberhang)));
    }
    m_feld->versatzSetzen(int(qint64(ueberhang) * m_vscListe->value() / hoechstwert));
}

void frmBilderListe::sichtbarMachen(int position)
{
    if (!m_modell.gueltig(position))
        return;
    const int h = m_feld->zeilenhoehe();
    const int oben = (position - 1) * h;
    const int sichtbar = m_feld->height();
    if (oben >= m_feld->versatz() && oben + h <= m_feld->versatz() + sichtbar)
        return;
    const int ueberhang = m_feld->gesamthoehe() - sichtbar;
    if (ueberhang <= 0)
        return;
    const int ziel = std::clamp(oben - (sichtbar - h) / 2, 0, ueberhang);
    m_vscListe->setValue(int((qint64(ziel) * m_vscListe->maximum() + ueberhang - 1) / ueberhang));
}

void frmBilderListe::NormaleTextfelder(int position)
{
    m_modell.NormaleTextfelder(position);
}

void frmBilderListe::ListeMarkierungNachfuehren()
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0) {
        m_modell.NormaleTextfelder(0);
        return;
    }
    const int position = rs.AbsolutePosition();
    m_modell.AufPositionSetzen(position);
    m_feld->aktuellSetzen(position);
    sichtbarMachen(position);
    if (z.offen.vorschau)
        z.ui().VorschauMarkierungAnzeigen();
}

void frmBilderListe::EintragGedrueckt(
    int position, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, const QPoint& global)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0 || !m_modell.gueltig(position))
        return;
    if (knopf == Qt::RightButton) {
        // In a search result too, as in the browser: the properties are
        // written into the pictures' own albums as well.
        if (m_modell.markiert(position))
            emit kontextmenueGewuenscht(global);
        return;
    }
    if (knopf != Qt::LeftButton)
        return;
    m_zugStart = position;
    m_modell.Klick(position, tasten.testFlag(Qt::ShiftModifier), tasten.testFlag(Qt::ControlModifier));
    aktuellesBildSetzen(position);
}

void frmBilderListe::TasteGedrueckt(int taste, Qt::KeyboardModifiers tasten)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0 || m_modell.anzahl() == 0)
        return;
    int aktuell = rs.AbsolutePosition();
    if (!m_modell.gueltig(aktuell))
        aktuell = m_modell.anker();
    const int seite = m_feld->height() / m_feld->zeilenhoehe();
    const int ziel = BilderListeModell::Tastenziel(aktuell, taste, seite, m_modell.anzahl());
    if (ziel == 0)
        return;
    m_modell.TasteBewegt(ziel, tasten.testFlag(Qt::ShiftModifier));
    sichtbarMachen(ziel);
    aktuellesBildSetzen(ziel);
}

void frmBilderListe::aktuellesBildSetzen(int position)
{
    Recordset& rs = db.rsAlbum;
    if (z.offen.albenAnzeige)
        z.ui().AlbenAnzeigeBemerkungSichern();
    if (position <= rs.RecordCount())
        rs.AbsolutePositionSetzen(position);
    m_feld->aktuellSetzen(position);
    if (z.offen.albenAnzeige) {
        z.ui().AlbenAnzeigeBildAnzeigen();
        z.ui().AlbenAnzeigeNaviPruefung();
    }
    if (z.offen.bilder) {
        const QString pfad = BildPfad(z, db);
        if (!pfad.isEmpty() && pfad != NichtGefunden())
            z.ui().ZoomBildAnzeigen();
    }
}

void frmBilderListe::EintragDoppelklick(int position)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0 || position < 1 || position > rs.RecordCount())
        return;
    Sanduhr sanduhr;
    if (z.offen.albenAnzeige)
        z.ui().AlbenAnzeigeBemerkungSichern();
    rs.AbsolutePositionSetzen(position);
    z.ui().AlbenAnzeigeBildAnzeigen();
    z.ui().AlbenAnzeigeNaviPruefung();
}

void frmBilderListe::ziehen(int position)
{
    if (!m_modell.gueltig(position))
        return;
    m_zugStart = position;
    m_mehrfachHinweis = false;
    auto* daten = new QMimeData;
    daten->setData(DBNummerMimeTyp(), m_modell.eintrag(position).dbNummer.toUtf8());
    auto* zug = new QDrag(m_feld);
    zug->setMimeData(daten);
    zug->exec(Qt::CopyAction);
    if (m_mehrfachHinweis) {
        const QChar cr(13);
        z.Meldung(QStringLiteral("Sie können nur einzelne Bilder in eine Präsentation ziehen,") + cr
                + QStringLiteral("niemals mehrere gleichzeitig!"),
            Meldungen::Information, QStringLiteral("Hinweis!"));
    }
    m_mehrfachHinweis = false;
}

void frmBilderListe::ansichtenNachAenderung()
{
    ListeAuffuellen();
    if (z.offen.albenAnzeige) {
        z.ui().AlbenAnzeigeBildAnzeigen();
        z.ui().AlbenAnzeigeNaviPruefung();
    }
    ListeMarkierungNachfuehren();
    if (z.offen.vorschau)
        BildPfadeLaden(z, db);
}

Pflegefortschritt frmBilderListe::fortschrittAnzeigen(
    const QString& titel, const QString& text, std::unique_ptr<QProgressDialog>& dialog)
{
    auto uhr = std::make_shared<QElapsedTimer>();
    return [this, titel, text, &dialog, uhr](int erledigt, int anzahl) {
        // Made at the first step, after any question: it must not wait behind one.
        if (!dialog) {
            dialog = std::make_unique<QProgressDialog>(text, QString(), 0, anzahl, this);
            dialog->setObjectName(QStringLiteral("dlgFortschritt"));
            dialog->setWindowTitle(titel);
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(500);
            dialog->setAutoClose(false);
            dialog->setAutoReset(false);
            uhr->start();
        }
        // Each value lets events run and redraws: a few times a second is enough.
        if (erledigt < anzahl && erledigt > 0 && uhr->elapsed() < 100)
            return;
        uhr->restart();
        dialog->setMaximum(anzahl);
        dialog->setValue(erledigt);
    };
}

void frmBilderListe::BildLoeschen()
{
    // A remark typed for a picture about to go would land on another one.
    if (z.offen.albenAnzeige)
        z.ui().AlbenAnzeigeBemerkungSichern();
    std::unique_ptr<QProgressDialog> dialog;
    const bool geloescht = ::BilderLoeschen(z, db, m_modell.markierteEintraege(),
        fortschrittAnzeigen(QStringLiteral("Löschen"), QStringLiteral("Bilder werden gelöscht ..."), dialog));
    dialog.reset();
    if (geloescht)
        ansichtenNachAenderung();
}

void frmBilderListe::Hinzufuegen()
{
    if (!HinzufuegenMoeglich(z))
        return;
    const QStringList dateien = dateienWaehlen ? dateienWaehlen() : dateidialog();
    if (!dateien.isEmpty())
        NeueBilderEintragen(dateien);
}

QStringList frmBilderListe::dateidialog()
{
    QFileDialog dialog(this, QStringLiteral("Hinzufügen"));
    dialog.setObjectName(QStringLiteral("cdgHinzufuegen"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Both cases of the endings: the file system here tells them apart.
    dialog.setNameFilters(Bildfilter());
    const QString albumordner = QDir::isAbsolutePath(z.albumPfad) ? z.albumPfad : QString();
    dialog.setDirectory(albumordner.isEmpty() ? QDir::homePath() : albumordner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void frmBilderListe::NeueBilderEintragen(const QStringList& dateien)
{
    if (z.offen.albenAnzeige)
        z.ui().AlbenAnzeigeBemerkungSichern();
    std::unique_ptr<QProgressDialog> dialog;
    ::NeueBilderEintragen(z, db, dateien,
        fortschrittAnzeigen(QStringLiteral("Hinzufügen"), QStringLiteral("Bilder werden hinzugefügt ..."), dialog));
    dialog.reset();
    ansichtenNachAenderung();
}

void frmBilderListe::BegrenzungenAnzeigen()
{
    update();
}

double frmBilderListe::VerhaeltnisTwipPixel_Hoehe() const
{
    const QWidget* aussen = parentWidget() ? parentWidget() : this;
    return height() > 0 ? double(Twips::ausPixel(aussen->height())) / height() : Twips::proPixel();
}

void frmBilderListe::Aktivieren()
{
    BegrenzungenAnzeigen();
    vscListeEinrichten();
}

void frmBilderListe::paintEvent(QPaintEvent*)
{
    // Line1..Line4 along the inner edges.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(0, 0, width() - 1, height() - 1);
}
