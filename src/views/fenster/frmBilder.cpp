#include "frmBilder.h"

#include "Albenanzeigelogik.h"
#include "Bildknopf.h"
#include "Bildleser.h"
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "Twips.h"
#include "mdlDatenbanken.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr int MindestTwips = 5000;
}  // namespace

// The display area: paints the visible part of the one decoded picture
// into the image's place, however large that place is.
class Zoomflaeche : public QWidget {
public:
    Zoomflaeche(frmBilder* fenster, QWidget* eltern)
        : QWidget(eltern)
        , m_fenster(fenster)
    {
        setObjectName(QStringLiteral("picBildAnzeige"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_fenster->anzeigeMalen(p);
    }
    void resizeEvent(QResizeEvent*) override { m_fenster->leistenPlatzieren(); }

private:
    frmBilder* m_fenster;
};

int frmBilder::Leistendicke()
{
    return Twips::zuPixel(315);
}

frmBilder::frmBilder(Programmzustand& zustand, Datenbankobjekte& datenbank, const Bildliste& bilder, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
    , m_bilder(bilder)
{
    setObjectName(QStringLiteral("frmBilder"));
    z.offen.bilder = true;
    m_geladen = false;
    aufbauen();
    setMinimumSize(Twips::zuPixel(MindestTwips), Twips::zuPixel(MindestTwips));
    m_timResize.setInterval(250);
    m_timResize.setSingleShot(true);
    connect(&m_timResize, &QTimer::timeout, this, &frmBilder::timResizeAbgelaufen);
    m_anpassen = true;
    m_geladen = true;
    NaviPruefung();
    VGNaviPruefen();
}

frmBilder::~frmBilder()
{
    if (!m_geschlossen)
        z.offen.bilder = false;
}

void frmBilder::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    m_geschlossen = true;
    z.offen.bilder = false;
    emit geschlossen();
}

void frmBilder::aufbauen()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(2, 2, 2, 2);
    haupt->setSpacing(4);
    m_picBildAnzeige = new Zoomflaeche(this, this);
    m_picBildAnzeige->installEventFilter(this);
    haupt->addWidget(m_picBildAnzeige, 1);
    m_hscBild = new QScrollBar(Qt::Horizontal, m_picBildAnzeige);
    m_hscBild->setObjectName(QStringLiteral("hscBild"));
    m_vscBild = new QScrollBar(Qt::Vertical, m_picBildAnzeige);
    m_vscBild->setObjectName(QStringLiteral("vscBild"));
    for (QScrollBar* leiste : { m_hscBild, m_vscBild }) {
        leiste->setRange(0, 100);
        leiste->hide();
    }
    m_picAbdeckung = new QWidget(m_picBildAnzeige);
    m_picAbdeckung->setObjectName(QStringLiteral("picAbdeckung"));
    m_picAbdeckung->setAutoFillBackground(true);
    m_picAbdeckung->hide();
    connect(m_hscBild, &QScrollBar::valueChanged, this, [this](int wert) {
        m_rechnung.hScrollen(wert, Leistendicke());
        m_picBildAnzeige->update();
    });
    connect(m_vscBild, &QScrollBar::valueChanged, this, [this](int wert) {
        m_rechnung.vScrollen(wert, Leistendicke());
        m_picBildAnzeige->update();
    });

    auto* leiste = new QHBoxLayout;
    leiste->setSpacing(1);
    struct Knopf {
        const char* name;
        const char* schluessel;
        const char* tipp;
        Bildknopf** knopf;
    };
    const Knopf knoepfe[] = {
        { "cmdFirst", "first", "Anfang", &m_cmdFirst },
        { "cmdBack", "back", "zurück", &m_cmdBack },
        { "cmdNext", "next", "vor", &m_cmdNext },
        { "cmdLast", "last", "Ende", &m_cmdLast },
        { "cmdOriginal", "original", "Originalgröße zeigen (100%)", &m_cmdOriginal },
        { "cmdAnpassen", "anpassen", "Bild an das Fenster anpassen", &m_cmdAnpassen },
        { "cmdKleiner", "kleiner", "Bild verkleinern  (-10%)", &m_cmdKleiner },
        { "cmdGroesser", "groesser", "Bild vergrößern (+10%)", &m_cmdGroesser },
    };
    for (const Knopf& k : knoepfe) {
        auto* knopf = new Bildknopf(QLatin1String(k.name), QLatin1String(k.schluessel), m_bilder, this);
        knopf->setToolTip(QString::fromUtf8(k.tipp));
        *k.knopf = knopf;
        m_knoepfe.hinzufuegen(knopf);
        connect(knopf, &Bildknopf::mausDarueber, this, [this](Bildknopf* b) { m_knoepfe.mausUeberKnopf(b); });
        leiste->addWidget(knopf);
        // The navigation and the zoom buttons are two groups.
        if (knopf == m_cmdLast)
            leiste->addSpacing(24);
    }
    leiste->addStretch(1);
    m_cmdSchliessen = new QPushButton(QStringLiteral("&Schliessen"), this);
    m_cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    leiste->addWidget(m_cmdSchliessen);
    haupt->addLayout(leiste);

    connect(m_cmdFirst, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Erstes); });
    connect(m_cmdBack, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Zurueck); });
    connect(m_cmdNext, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Vor); });
    connect(m_cmdLast, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Letztes); });
    connect(m_cmdOriginal, &Bildknopf::geklickt, this, &frmBilder::cmdOriginal_Click);
    connect(m_cmdAnpassen, &Bildknopf::geklickt, this, &frmBilder::cmdAnpassen_Click);
    connect(m_cmdKleiner, &Bildknopf::geklickt, this, &frmBilder::cmdKleiner_Click);
    connect(m_cmdGroesser, &Bildknopf::geklickt, this, &frmBilder::cmdGroesser_Click);
    connect(m_cmdSchliessen, &QPushButton::clicked, this, [this] {
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
            rahmen->close();
        else
            close();
    });
}

Bildknopf* frmBilder::knopf(const QString& name) const
{
    for (Bildknopf* k : m_knoepfe.knoepfe()) {
        if (k->objectName() == name)
            return k;
    }
    return nullptr;
}

void frmBilder::knopfSperren(Bildknopf* knopf, bool gesperrt)
{
    knopf->navigationSperren(gesperrt, AktiverButton() == knopf->objectName());
}

void frmBilder::NaviPruefung()
{
    const Navigationssperre sperre = NaviSperre(db.rsAlbum);
    knopfSperren(m_cmdNext, sperre.vor);
    knopfSperren(m_cmdLast, sperre.vor);
    knopfSperren(m_cmdBack, sperre.zurueck);
    knopfSperren(m_cmdFirst, sperre.zurueck);
}

void frmBilder::VGNaviPruefen()
{
    // Locked by state, not by the tag: these buttons have no locked picture of their own meaning.
    m_rechnung.kannGroesser() ? m_cmdGroesser->freigeben() : m_cmdGroesser->sperren();
    m_rechnung.kannKleiner() ? m_cmdKleiner->freigeben() : m_cmdKleiner->sperren();
    const bool bild = !m_bild.isNull();
    bild ? m_cmdOriginal->freigeben() : m_cmdOriginal->sperren();
    bild ? m_cmdAnpassen->freigeben() : m_cmdAnpassen->sperren();
}

void frmBilder::NormaleButtons()
{
    m_knoepfe.NormaleButtons();
}

void frmBilder::captionSetzen()
{
    const QString name = db.rsAlbum.IstOffen() && !db.rsAlbum.Bof() && !db.rsAlbum.Eof()
        ? FeldLesen(db.rsAlbum, QStringLiteral("Dateiname"))
        : QString();
    setWindowTitle(name + QStringLiteral(" (Bildgröße: ") + QString::number(Zoomfaktor()) + QStringLiteral("%)"));
}

void frmBilder::BildAnzeigen()
{
    Sanduhr sanduhr;
    const QString pfad = ::BildPfad(z, db);
    const QSizeF flaeche = m_picBildAnzeige->size();
    // The same picture again (a resize, the fit button) is not read again
    // when the copy in memory already covers the new size.
    const bool gleiches = !m_bild.isNull() && pfad == m_bildPfad;
    m_bildPfad = pfad;
    if (!gleiches) {
        m_bild = QImage();
        m_originalPixel = QSize();
        Bildleser leser;
        if (BilddateiVorhanden(pfad) && leser.Oeffnen(pfad))
            m_originalPixel = leser.Groesse();
        m_rechnung.Vollanzeige(m_originalPixel, flaeche, m_anpassen);
        if (!m_originalPixel.isEmpty()) {
            m_bild = leser.Lesen(DekodierGroesse(m_originalPixel, m_rechnung.bildRechteck().size()));
            ++m_dekodierungen;
        }
        if (m_bild.isNull()) {
            m_rechnung.Vollanzeige(QSize(), flaeche, m_anpassen);
            VGNaviPruefen();
            LaufleistenUeberpruefung();
            captionSetzen();
            m_picBildAnzeige->update();
            sanduhr.aus();
            z.Meldung(QStringLiteral("Bild nicht gefunden!"));
            return;
        }
    } else {
        m_rechnung.Vollanzeige(m_originalPixel, flaeche, m_anpassen);
        aufloesungSicherstellen();
    }
    VGNaviPruefen();
    captionSetzen();
    LaufleistenUeberpruefung();
    m_picBildAnzeige->update();
    setProperty("neuGezeichnet", true);
}

void frmBilder::aufloesungSicherstellen()
{
    const QSizeF bild = m_rechnung.bildRechteck().size();
    if (m_bild.isNull() || m_bild.size() == m_originalPixel)
        return;
    if (bild.width() <= m_bild.width() + 0.5 && bild.height() <= m_bild.height() + 0.5)
        return;
    // Larger than the copy in memory: the picture at its own size, once;
    // every further step paints from it.
    Bildleser leser;
    if (!leser.Oeffnen(m_bildPfad))
        return;
    const QImage voll = leser.Lesen();
    ++m_dekodierungen;
    if (!voll.isNull())
        m_bild = voll;
}

void frmBilder::anzeigeMalen(QPainter& p)
{
    const QRect flaeche = m_picBildAnzeige->rect();
    p.fillRect(flaeche, palette().color(QPalette::Dark));
    const QRectF ziel = m_rechnung.bildRechteck();
    if (!m_bild.isNull() && !ziel.isEmpty()) {
        // Only the visible part is scaled: a picture enlarged 30 times costs
        // no more than one the size of the display.
        const QRectF sichtbar = ziel.intersected(QRectF(flaeche));
        if (!sichtbar.isEmpty()) {
            const double fx = m_bild.width() / ziel.width();
            const double fy = m_bild.height() / ziel.height();
            const QRectF quelle((sichtbar.left() - ziel.left()) * fx, (sichtbar.top() - ziel.top()) * fy,
                sichtbar.width() * fx, sichtbar.height() * fy);
            p.setRenderHint(QPainter::SmoothPixmapTransform, fx > 1.0 || fy > 1.0 ? true : fx > 0.25);
            p.drawImage(sichtbar, m_bild, quelle);
        }
    }
    if (property("neuGezeichnet").toBool()) {
        setProperty("neuGezeichnet", false);
        emit gezeichnet();
    }
}

void frmBilder::LaufleistenUeberpruefung()
{
    const Zoomrechnung::Laufleisten l = m_rechnung.LaufleistenUeberpruefung(Leistendicke());
    const QSignalBlocker h(m_hscBild);
    const QSignalBlocker v(m_vscBild);
    m_hscBild->setEnabled(l.horizontal);
    m_vscBild->setEnabled(l.vertikal);
    if (l.horizontal)
        m_hscBild->setValue(l.hWert);
    if (l.vertikal)
        m_vscBild->setValue(l.vWert);
    // A bar that is not needed is shown disabled beside the other.
    const bool zeigen = l.horizontal || l.vertikal;
    m_hscBild->setVisible(zeigen);
    m_vscBild->setVisible(zeigen);
    m_picAbdeckung->setVisible(zeigen);
}

void frmBilder::leistenPlatzieren()
{
    const int s = Leistendicke();
    const int b = m_picBildAnzeige->width();
    const int h = m_picBildAnzeige->height();
    m_vscBild->setGeometry(b - s, 0, s, h - s);
    m_hscBild->setGeometry(0, h - s, b - s, s);
    m_picAbdeckung->setGeometry(b - s, h - s, s, s);
}

void frmBilder::cmdGroesser_Click()
{
    if (!m_rechnung.Groesser())
        return;
    aufloesungSicherstellen();
    VGNaviPruefen();
    captionSetzen();
    LaufleistenUeberpruefung();
    m_picBildAnzeige->update();
}

void frmBilder::cmdKleiner_Click()
{
    // A step that would leave no picture is refused.
    if (!m_rechnung.Kleiner())
        return;
    VGNaviPruefen();
    captionSetzen();
    LaufleistenUeberpruefung();
    m_picBildAnzeige->update();
}

void frmBilder::cmdOriginal_Click()
{
    if (m_bild.isNull())
        return;
    m_rechnung.Original();
    m_anpassen = false;
    aufloesungSicherstellen();
    VGNaviPruefen();
    captionSetzen();
    LaufleistenUeberpruefung();
    m_picBildAnzeige->update();
}

void frmBilder::cmdAnpassen_Click()
{
    m_anpassen = true;
    BildAnzeigen();
}

void frmBilder::Navigieren(Schritt schritt)
{
    Recordset& rs = db.rsAlbum;
    if (!rs.IstOffen() || rs.RecordCount() == 0)
        return;
    // The remark belongs to the picture it was typed for: written before the move.
    z.ui().AlbenAnzeigeBemerkungSichern();
    DatensatzBlaettern(rs, schritt);
    // The viewer may ask about a missing file and delete its entry; when that
    // was the album's last, it has closed this window, and there is nothing to show.
    const QPointer<frmBilder> selbst(this);
    z.ui().AlbenAnzeigeBildAnzeigen();
    if (!selbst || m_geschlossen || rs.RecordCount() == 0)
        return;
    z.ui().AlbenAnzeigeNaviPruefung();
    z.ui().ListeMarkierungNachfuehren();
    BildAnzeigen();
    NaviPruefung();
}

void frmBilder::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_timResize.start();
    leistenPlatzieren();
    captionSetzen();
}

void frmBilder::timResizeAbgelaufen()
{
    if (!m_geladen)
        return;
    const QWidget* fenster = parentWidget() ? parentWidget() : this;
    z.einstellungen.BilderFormGroesseX = static_cast<float>(Twips::ausPixel(fenster->width()));
    z.einstellungen.BilderFormGroesseY = static_cast<float>(Twips::ausPixel(fenster->height()));
    // An unreadable picture was reported once; a resize does not ask again.
    if (!m_bild.isNull())
        BildAnzeigen();
}

bool frmBilder::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_picBildAnzeige && ereignis->type() == QEvent::MouseMove)
        m_knoepfe.mausUeberFlaeche();
    return QWidget::eventFilter(objekt, ereignis);
}
