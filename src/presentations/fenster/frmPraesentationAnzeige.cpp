#include "frmPraesentationAnzeige.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "frmHilfe.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

// Escape ends the show also from the help window that F1 opened over it:
// that window takes the focus, and the user cannot see that the keys no
// longer reach the show.
class Escapetaste : public QObject {
public:
    explicit Escapetaste(QWidget* schau)
        : QObject(schau)
        , m_schau(schau)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()
            || static_cast<QKeyEvent*>(ereignis)->key() != Qt::Key_Escape)
            return false;
        const QWidget* fenster = static_cast<QWidget*>(objekt)->window();
        if (fenster != m_schau && fenster != frmHilfe::instanz())
            return false;
        m_schau->close();
        return true;
    }

private:
    QWidget* m_schau;
};

// Position and hint stay readable on any picture: light text on a dark plate.
void Schild(QLabel* label)
{
    label->setStyleSheet(QStringLiteral(
        "QLabel { color: #f0f0f0; background-color: rgba(0, 0, 0, 160); padding: 2px 6px; border-radius: 3px; }"));
    label->adjustSize();
}

}  // namespace

frmPraesentationAnzeige::frmPraesentationAnzeige(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QWidget(eltern, Qt::Window)
    , z(zustand)
    , db(datenbank)
    , m_folge(0, 1)
{
    setObjectName(QStringLiteral("frmPraesentationAnzeige"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Präsentation"));
    setCursor(Qt::ArrowCursor);
    try {
        m_bilder = DiaschaubilderLaden(z, db.conDaten, z.praesentationTabelle);
    } catch (const DatenbankFehler&) {
        m_bilder.clear();
    }
    m_folge = Diaschaufolge(m_bilder.size(), z.praesentationStartposition);

    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::black);
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0xc0, 0xc0));
    setPalette(farben);
    m_lblAnzeige = new QLabel(this);
    m_lblAnzeige->setObjectName(QStringLiteral("lblAnzeige"));
    m_lblAnzeige->move(8, 4);
    m_lblEscape = new QLabel(QStringLiteral("(Abbrechen mit ESC)"), this);
    m_lblEscape->setObjectName(QStringLiteral("lblEscape"));
    m_lblEscape->adjustSize();
    m_lblAnzeige->setText(m_folge.positionstext());
    Schild(m_lblAnzeige);
    Schild(m_lblEscape);
    new Escapetaste(this);

    const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize bildschirm = schirm->size() * schirm->devicePixelRatio();
    m_leser = std::make_unique<Diaschauleser>(bildschirm, z.einstellungen.blnPraeBilderAngleichen);
    connect(m_leser.get(), &Diaschauleser::gelesen, this, &frmPraesentationAnzeige::gelesen);
}

frmPraesentationAnzeige::~frmPraesentationAnzeige()
{
    if (m_wartet)
        QApplication::restoreOverrideCursor();
}

QString frmPraesentationAnzeige::anzeigetext() const
{
    return m_lblAnzeige->text();
}

QString frmPraesentationAnzeige::pfadFuer(int position) const
{
    if (position < 1 || position > m_bilder.size())
        return QString();
    const QString& pfad = m_bilder[position - 1].pfad;
    return BilddateiVorhanden(pfad) ? pfad : QString();
}

void frmPraesentationAnzeige::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!m_gestartet) {
        m_gestartet = true;
        BildAnzeigen();
    }
}

void frmPraesentationAnzeige::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_lblEscape->move(width() - m_lblEscape->width() - 8, 4);
}

void frmPraesentationAnzeige::BildAnzeigen()
{
    if (m_folge.leer()) {
        close();
        return;
    }
    bool abgebrochen = false;
    const int position = m_folge.Suchen([&](int p) {
        const Diaschaufolge::Lage lage = DiaschaubildPruefen(z, m_bilder[p - 1]);
        abgebrochen = lage == Diaschaufolge::Lage::Abbrechen;
        return lage;
    });
    if (abgebrochen) {
        close();
        return;
    }
    m_lblAnzeige->setText(m_folge.positionstext());
    m_lblAnzeige->adjustSize();
    m_gezeigt = false;
    const QString pfad = position ? pfadFuer(position) : QString();
    if (!pfad.isEmpty() && !m_gelesen.contains(position)) {
        if (!m_wartet) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_wartet = true;
        }
    }
    vorauslesen();
    update();
}

// The current picture first when it is missing, then the neighbours in the
// direction of travel; decoded pictures further away are dropped.
void frmPraesentationAnzeige::vorauslesen()
{
    const int jetzt = m_folge.position();
    const int vor = m_folge.Ziel(m_folge.richtung());
    const int zurueck = m_folge.Ziel(m_folge.richtung() == Diaschaufolge::Schritt::Vor ? Diaschaufolge::Schritt::Zurueck
                                                                                       : Diaschaufolge::Schritt::Vor);
    for (auto it = m_gelesen.begin(); it != m_gelesen.end();) {
        if (it.key() != jetzt && it.key() != vor && it.key() != zurueck)
            it = m_gelesen.erase(it);
        else
            ++it;
    }
    QVector<Diaschauleser::Auftrag> auftraege;
    for (int p : { jetzt, vor, zurueck }) {
        const QString pfad = pfadFuer(p);
        if (!pfad.isEmpty() && !m_gelesen.contains(p)
            && std::none_of(auftraege.cbegin(), auftraege.cend(), [p](const auto& a) { return a.position == p; }))
            auftraege.push_back({ p, pfad });
    }
    m_leser->Anfordern(auftraege);
}

void frmPraesentationAnzeige::gelesen(int position, const QString& pfad, const QImage& bild)
{
    if (pfad != pfadFuer(position))
        return;  // the CD changed meanwhile
    m_gelesen.insert(position, bild);
    if (position == m_folge.position())
        update();
}

void frmPraesentationAnzeige::Schritt(Diaschaufolge::Schritt schritt)
{
    if (schritt == Diaschaufolge::Schritt::Schliessen) {
        close();
        return;
    }
    if (schritt == Diaschaufolge::Schritt::Keiner)
        return;
    m_folge.Gehen(schritt);
    BildAnzeigen();
}

void frmPraesentationAnzeige::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1)
        mdlHilfe::HilfeZeigen(z, QStringLiteral("index_praesentationen.htm"));
    Schritt(Diaschaufolge::Taste(e->key()));
}

void frmPraesentationAnzeige::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
        Schritt(Diaschaufolge::Maus(
            e->button() == Qt::LeftButton ? Diaschaufolge::Knopf::Links : Diaschaufolge::Knopf::Rechts,
            z.einstellungen.blnTastenTausch));
}

void frmPraesentationAnzeige::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const int position = m_folge.position();
    const auto bild = m_gelesen.constFind(position);
    const bool bereit = bild != m_gelesen.constEnd() || pfadFuer(position).isEmpty();
    if (bild != m_gelesen.constEnd() && !bild->isNull()) {
        const qreal dpr = devicePixelRatioF();
        const QSize natuerlich = bild->size();
        // The decoder may have reduced it already; the rule is applied to its size on the screen.
        const QSize gross = Anzeigegroesse(natuerlich, size() * dpr, z.einstellungen.blnPraeBilderAngleichen) / dpr;
        const QRect ziel(QPoint((width() - gross.width()) / 2, (height() - gross.height()) / 2), gross);
        p.setRenderHint(QPainter::SmoothPixmapTransform, gross * dpr != natuerlich);
        p.drawImage(ziel, *bild);
    }
    if (bereit) {
        if (m_wartet) {
            QApplication::restoreOverrideCursor();
            m_wartet = false;
        }
        if (!m_gezeigt) {
            m_gezeigt = true;
            emit bildGemalt(position);
        }
    }
}
