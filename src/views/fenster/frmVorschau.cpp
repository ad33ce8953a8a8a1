#include "frmVorschau.h"

#include "BilderListeModell.h"
#include "Bildknopf.h"
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"

#include <QCoreApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QPointer>

#include <algorithm>

int frmVorschau::anzahlBilder() const
{
    return static_cast<int>(std::min(z.bildPfade.size(), z.bildDBNummern.size()));
}

int frmVorschau::zellengroesse() const
{
    return std::max(16, z.einstellungen.GroesseVorschauBild);
}

int frmVorschau::zeilen() const
{
    int n = std::max(1, z.einstellungen.AnzahlBrowserZeilen);
    while (n > 1 && hoeheFuer(n) > m_hoechsteHoehe)
        --n;
    return n;
}

void frmVorschau::HoeheBegrenzen(int hoehe)
{
    const int vorher = zeilen();
    m_hoechsteHoehe = hoehe;
    if (zeilen() == vorher)
        return;
    PlatzhalterEinrichten();
    if (m_albumAngezeigt)
        NeuesAlbumAnzeigen();
}

void frmVorschau::knopfSperren(Bildknopf* knopf, bool gesperrt)
{
    knopf->navigationSperren(gesperrt, AktiverButton() == knopf->objectName());
}

void frmVorschau::NaviPruefung()
{
    const bool ende = m_navi.amEnde();
    knopfSperren(m_cmdNext, ende);
    knopfSperren(m_cmdLast, ende);
    knopfSperren(m_cmdNextGross, ende);
    const bool anfang = m_navi.amAnfang();
    knopfSperren(m_cmdBack, anfang);
    knopfSperren(m_cmdFirst, anfang);
    knopfSperren(m_cmdBackGross, anfang);
}

void frmVorschau::NormaleButtons()
{
    m_knoepfe.NormaleButtons();
}

void frmVorschau::AktiverButtonLeeren()
{
    m_knoepfe.mausUeberFlaeche();
}

void frmVorschau::Aktivieren()
{
    if (m_albumAngezeigt)
        return;
    m_albumAngezeigt = true;
    NeuesAlbumAnzeigen();
}

void frmVorschau::NeuesAlbumAnzeigen()
{
    knopfSperren(m_cmdBack, true);
    knopfSperren(m_cmdFirst, true);
    m_navi.NeuesAlbum(anzahlBilder(), m_raster.spalten, zeilen());
    NaviPruefung();
    BilderAnzeigen();
}

void frmVorschau::captionSetzen()
{
    m_lblAnzeige->setText(Positionstext(m_navi.Seite(), m_navi.AnzahlBilder()));
    m_lblAnzeige->adjustSize();
    BegrenzungenAnzeigen();
}

void frmVorschau::BilderAnzeigen()
{
    const quint64 lauf = ++m_lauf;
    m_ereignisUhr.start();
    // The path list may have changed under a grid that was not told.
    if (m_navi.AnzahlBilder() != anzahlBilder() || m_navi.Spalten() != m_raster.spalten
        || m_navi.Zeilen() != zeilen()) {
        m_navi.NeuesAlbum(anzahlBilder(), m_raster.spalten, zeilen());
        NaviPruefung();
    }
    for (Zelle& c : m_zellen) {
        zelleLeeren(c);
        c.bild->show();
        c.name->show();
    }
    if (m_navi.AnzahlBilder() == 0) {
        // An empty album shows no frames, and no count left from the album before.
        captionSetzen();
        for (Zelle& c : m_zellen) {
            c.bild->hide();
            c.name->hide();
        }
        m_seiteFertig = true;
        return;
    }
    m_seiteFertig = false;
    captionSetzen();
    for (int reihe = 0; reihe < m_navi.Zeilen(); ++reihe) {
        if (!reiheLaden(reihe, lauf))
            return;
    }
    m_seiteFertig = true;
}

bool frmVorschau::reiheLaden(int gridzeile, quint64 lauf)
{
    const int spalten = m_raster.spalten;
    const int n = m_navi.AnzahlBilder();
    for (int s = 1; s <= spalten; ++s) {
        const int zelle = gridzeile * spalten + s;
        if (zelle > m_zellen.size())
            return true;
        const int k = m_navi.NaviSchritt() * spalten + zelle;
        if (k > n) {
            zelleLeeren(m_zellen[zelle - 1]);
            continue;
        }
        zelleLaden(zelle, k);
        // A page fills picture by picture and the window answers meanwhile,
        // every few milliseconds (each round repaints the window, which
        // costs more than a thumbnail). A click, a new album, a layout or
        // closing during the events ends this draw here.
        if (m_ereignisUhr.elapsed() < ereignisAbstandMs)
            continue;
        QPointer<frmVorschau> selbst(this);
        QCoreApplication::processEvents();
        if (!selbst || lauf != m_lauf || m_geschlossen)
            return false;
        m_ereignisUhr.start();
    }
    return true;
}

void frmVorschau::BilderVerschiebenNachOben()
{
    const quint64 lauf = ++m_lauf;
    m_ereignisUhr.start();
    m_seiteFertig = false;
    const int spalten = m_raster.spalten;
    const int bisher = (m_navi.Zeilen() - 1) * spalten;
    for (int i = 0; i < bisher; ++i)
        zelleUebernehmen(m_zellen[i], m_zellen[i + spalten]);
    for (int i = bisher; i < m_zellen.size(); ++i)
        zelleLeeren(m_zellen[i]);
    captionSetzen();
    if (reiheLaden(m_navi.Zeilen() - 1, lauf))
        m_seiteFertig = true;
}

void frmVorschau::BilderVerschiebenNachUnten()
{
    const quint64 lauf = ++m_lauf;
    m_ereignisUhr.start();
    m_seiteFertig = false;
    const int spalten = m_raster.spalten;
    for (int i = static_cast<int>(m_zellen.size()) - 1; i >= spalten; --i)
        zelleUebernehmen(m_zellen[i], m_zellen[i - spalten]);
    for (int i = 0; i < spalten && i < m_zellen.size(); ++i)
        zelleLeeren(m_zellen[i]);
    captionSetzen();
    if (reiheLaden(0, lauf))
        m_seiteFertig = true;
}

void frmVorschau::Navigieren(Schritt schritt)
{
    // A page click while a page is drawn is ignored.
    if ((schritt == Schritt::SeiteVor || schritt == Schritt::SeiteZurueck) && !m_seiteFertig)
        return;
    Sanduhr sanduhr;
    using Folge = Vorschaunavigation::Folge;
    Folge folge = Folge::Keine;
    switch (schritt) {
    case Schritt::Erste:
        folge = m_navi.Erste();
        break;
    case Schritt::ZeileZurueck:
        folge = m_navi.VorherigeZeile();
        break;
    case Schritt::ZeileVor:
        folge = m_navi.NaechsteZeile();
        break;
    case Schritt::Letzte:
        folge = m_navi.Letzte();
        break;
    case Schritt::SeiteZurueck:
        folge = m_navi.VorherigeSeite();
        break;
    case Schritt::SeiteVor:
        folge = m_navi.NaechsteSeite();
        break;
    }
    NaviPruefung();
    // Rows of a half-drawn grid cannot be moved on: it is drawn anew.
    if (!m_seiteFertig && folge != Folge::Keine)
        folge = Folge::Neuzeichnen;
    switch (folge) {
    case Folge::Keine:
        break;
    case Folge::ZeileVor:
        BilderVerschiebenNachOben();
        break;
    case Folge::ZeileZurueck:
        BilderVerschiebenNachUnten();
        break;
    case Folge::Neuzeichnen:
        BilderAnzeigen();
        break;
    }
}

void frmVorschau::MarkierungAnzeigen()
{
    const Seitenbereich seite = m_navi.Seite();
    captionSetzen();
    for (Zelle& c : m_zellen) {
        if (c.position >= seite.erstes && c.position <= seite.letztes)
            zelleFaerben(c, z.ui().BildMarkiert(c.position));
        else if (c.position != 0)
            zelleLeeren(c);
    }
}

void frmVorschau::BildLoeschen()
{
    z.Meldung(QStringLiteral("Geht von hier aus noch nicht!"));
}

bool frmVorschau::bildWaehlen(int position)
{
    Recordset& rs = db.rsAlbum;
    // Rows deleted or added elsewhere: the grid is out of date, not the album.
    if (!rs.IstOffen() || position < 1 || position > rs.RecordCount() || anzahlBilder() != rs.RecordCount()) {
        BildPfadeLaden(z, db);
        return false;
    }
    // The remark belongs to the picture it was typed for: written before the move.
    z.ui().AlbenAnzeigeBemerkungSichern();
    rs.AbsolutePositionSetzen(position);
    const int anzahl = rs.RecordCount();
    z.ui().AlbenAnzeigeBildAnzeigen();
    z.ui().ListeMarkierungNachfuehren();
    z.ui().AlbenAnzeigeNaviPruefung();
    // The viewer asked about a missing file and deleted its entry: another
    // picture fills this cell now, and the click was not meant for it.
    return rs.RecordCount() == anzahl && rs.AbsolutePosition() == position;
}

void frmVorschau::BildGedrueckt(int zelle, Qt::MouseButton knopf)
{
    if (zelle < 1 || zelle > m_zellen.size())
        return;
    const Zelle& c = m_zellen[zelle - 1];
    if (c.name->text().isEmpty() || !c.mitBild)
        return;
    if (!bildWaehlen(c.position))
        return;
    if (knopf != Qt::LeftButton)
        return;
    if (z.offen.storyboard) {
        ziehen(zelle);
        return;
    }
    if (BilddateiVorhanden(BildPfad(z, db)))
        z.ui().ZoomAnsichtZeigen();
}

void frmVorschau::BildDoppelklick(int zelle)
{
    if (zelle < 1 || zelle > m_zellen.size() || !m_zellen[zelle - 1].mitBild)
        return;
    if (BilddateiVorhanden(BildPfad(z, db)))
        z.ui().ZoomAnsichtZeigen();
}

void frmVorschau::NameGedrueckt(int zelle, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, const QPoint& global)
{
    if (zelle < 1 || zelle > m_zellen.size())
        return;
    const Zelle& c = m_zellen[zelle - 1];
    if (c.name->text().isEmpty() || !c.mitBild)
        return;
    const int k = c.position;
    if (knopf == Qt::RightButton) {
        if (z.ui().BildMarkiert(k))
            emit kontextmenueGewuenscht(global);
        return;
    }
    if (knopf != Qt::LeftButton)
        return;
    Oberflaeche& ui = z.ui();
    if (tasten & Qt::ControlModifier) {
        ui.BildMarkierungSetzen(k, !ui.BildMarkiert(k));
        ui.KlickAnkerSetzen(k);
        MarkierungAnzeigen();
    } else if (tasten & Qt::ShiftModifier) {
        ui.NormaleTextfelder(k);
        const int anker = ui.KlickAnker();
        for (int p = std::min(anker, k); p <= std::max(anker, k); ++p)
            ui.BildMarkierungSetzen(p, true);
        MarkierungAnzeigen();
    } else if (bildWaehlen(k)) {
        ui.KlickAnkerSetzen(k);
    }
}

void frmVorschau::ziehen(int zelle)
{
    const Zelle& c = m_zellen[zelle - 1];
    auto* daten = new QMimeData;
    daten->setData(DBNummerMimeTyp(), c.tag.toUtf8());
    auto* zug = new QDrag(c.bild);
    zug->setMimeData(daten);
    zug->setPixmap(c.bild->pixmap());
    zug->exec(Qt::CopyAction);
}
