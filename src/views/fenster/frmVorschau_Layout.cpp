// The browser's controls, their places and the mouse on them.
#include "Bildknopf.h"
#include "Bildliste.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "frmVorschau.h"
#include "mdlHilfe.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int PanelHoehe = 34;
constexpr int KnopfBereich = 156;  // 2340 twips at 96 dpi: the buttons' part of the panel
}  // namespace

frmVorschau::frmVorschau(
    Programmzustand& zustand, Datenbankobjekte& datenbank, const Bildliste& bilder, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
    , m_bilder(bilder)
    , m_speicher(256)
{
    setObjectName(QStringLiteral("frmVorschau"));
    setWindowTitle(QStringLiteral("Vorschau"));
    setMouseTracking(true);
    z.offen.vorschau = true;
    aufbauen();
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("begriffserklaerung.htm"));
    PlatzhalterEinrichten();
    z.ui().KlickAnkerSetzen(1);
}

frmVorschau::~frmVorschau()
{
    if (!m_geschlossen)
        z.offen.vorschau = false;
}

void frmVorschau::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    m_geschlossen = true;
    ++m_lauf;
    z.offen.vorschau = false;
    emit geschlossen();
}

void frmVorschau::aufbauen()
{
    m_sspNavigation = new QFrame(this);
    m_sspNavigation->setObjectName(QStringLiteral("sspNavigation"));
    m_sspNavigation->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_sspNavigation->setMouseTracking(true);
    m_sspNavigation->installEventFilter(this);
    auto* reihe = new QHBoxLayout(m_sspNavigation);
    reihe->setContentsMargins(4, 2, 4, 2);
    reihe->setSpacing(1);
    struct Knopf {
        const char* name;
        const char* schluessel;
        const char* tipp;
        Bildknopf** knopf;
        Schritt schritt;
    };
    const Knopf knoepfe[] = {
        { "cmdFirst", "first", "zum Anfang", &m_cmdFirst, Schritt::Erste },
        { "cmdBackGross", "back_gross", "vorherige Seite", &m_cmdBackGross, Schritt::SeiteZurueck },
        { "cmdBack", "back", "vorherige Zeile", &m_cmdBack, Schritt::ZeileZurueck },
        { "cmdNext", "next", "nächste Zeile", &m_cmdNext, Schritt::ZeileVor },
        { "cmdNextGross", "next_gross", "nächste Seite", &m_cmdNextGross, Schritt::SeiteVor },
        { "cmdLast", "last", "zum Ende", &m_cmdLast, Schritt::Letzte },
    };
    for (const Knopf& k : knoepfe) {
        auto* knopf = new Bildknopf(QLatin1String(k.name), QLatin1String(k.schluessel), m_bilder, m_sspNavigation);
        knopf->setToolTip(QString::fromUtf8(k.tipp));
        *k.knopf = knopf;
        m_knoepfe.hinzufuegen(knopf);
        reihe->addWidget(knopf);
        const Schritt schritt = k.schritt;
        connect(knopf, &Bildknopf::mausDarueber, this, [this](Bildknopf* b) { m_knoepfe.mausUeberKnopf(b); });
        connect(knopf, &Bildknopf::geklickt, this, [this, schritt] { Navigieren(schritt); });
    }
    reihe->addStretch(1);
    m_lblAnzeige = new QLabel(m_sspNavigation);
    m_lblAnzeige->setObjectName(QStringLiteral("lblAnzeige"));
}

Bildknopf* frmVorschau::knopf(const QString& name) const
{
    for (Bildknopf* k : m_knoepfe.knoepfe()) {
        if (k->objectName() == name)
            return k;
    }
    return nullptr;
}

int frmVorschau::labelhoehe() const
{
    return fontMetrics().height() + 2;
}

int frmVorschau::benoetigteHoehe() const
{
    return hoeheFuer(zeilen());
}

int frmVorschau::hoeheFuer(int zeilen) const
{
    const int s = zellengroesse();
    const Zellenlage letzte = ZelleBerechnen(zeilen * m_raster.spalten, m_raster, s, labelhoehe());
    return letzte.labelOben + labelhoehe() + m_raster.luecke + PanelHoehe + 2;
}

void frmVorschau::PlatzhalterEinrichten()
{
    // A draw still running would write into cells that move or go.
    ++m_lauf;
    m_seiteFertig = true;
    const int s = zellengroesse();
    m_raster = RasterBerechnen(width(), s);
    m_letzteBreite = width();
    const int anzahl = zeilen() * m_raster.spalten;
    while (m_zellen.size() > anzahl) {
        Zelle c = m_zellen.takeLast();
        delete c.bild;
        delete c.name;
    }
    while (m_zellen.size() < anzahl) {
        const int i = static_cast<int>(m_zellen.size()) + 1;
        Zelle c;
        c.bild = new QLabel(this);
        c.bild->setObjectName(QStringLiteral("imgBild(%1)").arg(i));
        c.bild->setScaledContents(true);
        c.bild->setFrameStyle(QFrame::NoFrame);
        c.bild->installEventFilter(this);
        c.bild->setMouseTracking(true);
        c.name = new QLabel(this);
        c.name->setObjectName(QStringLiteral("lblBildName(%1)").arg(i));
        c.name->setAutoFillBackground(true);
        c.name->installEventFilter(this);
        c.name->setMouseTracking(true);
        m_zellen.append(c);
    }
    const int h = labelhoehe();
    for (int i = 1; i <= m_zellen.size(); ++i) {
        Zelle& c = m_zellen[i - 1];
        const Zellenlage lage = ZelleBerechnen(i, m_raster, s, h);
        c.bild->setGeometry(lage.bild);
        c.name->setGeometry(lage.bild.left(), lage.labelOben, s, h);
        zelleLeeren(c);
        c.bild->show();
        c.name->show();
    }
    BegrenzungenAnzeigen();
}

void frmVorschau::zelleLeeren(Zelle& c)
{
    c.bild->clear();
    c.bild->resize(zellengroesse(), zellengroesse());
    c.bild->unsetCursor();
    c.bild->setToolTip(QString());
    c.name->clear();
    c.position = 0;
    c.tag.clear();
    c.mitBild = false;
    zelleFaerben(c, false);
}

void frmVorschau::zelleFaerben(Zelle& c, bool markiert)
{
    // A palette change repaints and re-polishes the label: only when the colour changes.
    if (c.gefaerbt && c.markiert == markiert)
        return;
    c.gefaerbt = true;
    c.markiert = markiert;
    QPalette p = c.name->palette();
    p.setColor(QPalette::Window, palette().color(markiert ? QPalette::Dark : QPalette::Button));
    c.name->setPalette(p);
}

void frmVorschau::zelleLaden(int zelle, int position)
{
    Zelle& c = m_zellen[zelle - 1];
    const int s = zellengroesse();
    const QImage bild = m_speicher.Laden(z.bildPfade.value(position - 1), s);
    c.mitBild = !bild.isNull();
    if (c.mitBild) {
        c.bild->resize(bild.size());
        c.bild->setPixmap(QPixmap::fromImage(bild));
        c.bild->setCursor(QCursor(m_bilder.bild(QStringLiteral("hand-m")), 10, 1));
    } else {
        // Missing or unreadable: an empty frame that keeps its name but ignores clicks.
        c.bild->clear();
        c.bild->resize(s, s);
        c.bild->unsetCursor();
    }
    c.tag = z.bildDBNummern.value(position - 1);
    c.position = position;
    const QString name = z.ui().ListenBildname(position);
    c.name->setText(name);
    // A long name shows its beginning, a short one sits in the middle.
    c.name->setAlignment(
        (fontMetrics().horizontalAdvance(name) > s ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    zelleFaerben(c, z.ui().BildMarkiert(position));
    c.bild->setToolTip(name);
    c.bild->show();
}

void frmVorschau::zelleUebernehmen(Zelle& ziel, const Zelle& quelle)
{
    ziel.bild->resize(quelle.bild->size());
    if (quelle.mitBild) {
        ziel.bild->setPixmap(quelle.bild->pixmap());
        ziel.bild->setCursor(quelle.bild->cursor());
    } else {
        ziel.bild->clear();
        ziel.bild->unsetCursor();
    }
    ziel.bild->setToolTip(quelle.bild->toolTip());
    ziel.name->setText(quelle.name->text());
    ziel.name->setAlignment(quelle.name->alignment());
    ziel.position = quelle.position;
    ziel.tag = quelle.tag;
    ziel.mitBild = quelle.mitBild;
    zelleFaerben(ziel, quelle.markiert);
}

void frmVorschau::BegrenzungenAnzeigen()
{
    m_sspNavigation->setGeometry(1, height() - PanelHoehe - 1, width() - 2, PanelHoehe);
    // The caption is centred in the part of the panel right of the buttons.
    const int rest = m_sspNavigation->width() - KnopfBereich;
    m_lblAnzeige->adjustSize();
    m_lblAnzeige->move(
        KnopfBereich + std::max(0, (rest - m_lblAnzeige->width()) / 2), (PanelHoehe - m_lblAnzeige->height()) / 2);
    update();
}

void frmVorschau::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (width() != m_letzteBreite) {
        const Vorschauraster neu = RasterBerechnen(width(), zellengroesse());
        if (neu.spalten != m_raster.spalten || neu.luecke != m_raster.luecke) {
            PlatzhalterEinrichten();
            if (m_albumAngezeigt)
                NeuesAlbumAnzeigen();
            return;
        }
        m_letzteBreite = width();
    }
    BegrenzungenAnzeigen();
}

void frmVorschau::paintEvent(QPaintEvent*)
{
    // Line1, Line3, Line4 along the left, top and right inner edges.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, 0, height() - 1);
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

void frmVorschau::mouseMoveEvent(QMouseEvent* e)
{
    m_knoepfe.mausUeberFlaeche();
    QWidget::mouseMoveEvent(e);
}

int frmVorschau::zelleVon(QObject* objekt, bool* istBild) const
{
    for (int i = 0; i < m_zellen.size(); ++i) {
        if (m_zellen[i].bild == objekt || m_zellen[i].name == objekt) {
            *istBild = m_zellen[i].bild == objekt;
            return i + 1;
        }
    }
    return 0;
}

bool frmVorschau::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (typ == QEvent::MouseMove) {
        m_knoepfe.mausUeberFlaeche();
        return false;
    }
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(objekt, ereignis);
    bool istBild = false;
    const int zelle = zelleVon(objekt, &istBild);
    if (zelle == 0)
        return QWidget::eventFilter(objekt, ereignis);
    auto* maus = static_cast<QMouseEvent*>(ereignis);
    if (typ == QEvent::MouseButtonDblClick) {
        if (istBild)
            BildDoppelklick(zelle);
        return true;
    }
    if (istBild)
        BildGedrueckt(zelle, maus->button());
    else
        NameGedrueckt(zelle, maus->button(), maus->modifiers(), maus->globalPosition().toPoint());
    return true;
}
