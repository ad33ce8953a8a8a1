#include "frmAlbenAuswahl.h"

#include "Albenpflege.h"
#include "Datenbankobjekte.h"
#include "Ordneruebernahme.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QVBoxLayout>

frmAlbenAuswahl::frmAlbenAuswahl(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QFrame(eltern), z(zustand), db(datenbank)
{
    setObjectName(QStringLiteral("frmAlbenAuswahl"));
    setWindowTitle(QStringLiteral("Albenauswahl"));
    m_cboAlben = new QComboBox(this);
    m_cboAlben->setObjectName(QStringLiteral("cboAlben"));
    m_cboAlben->setMaxVisibleItems(20);
    // Long album names must not widen the window beyond the frame.
    m_cboAlben->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboAlben->setMinimumContentsLength(24);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->addWidget(m_cboAlben);

    // activated comes only from the user's choice, never from filling the list.
    connect(m_cboAlben, &QComboBox::activated, this, &frmAlbenAuswahl::cboAlben_Click);
    setMouseTracking(true);
    m_cboAlben->setMouseTracking(true);
    m_cboAlben->installEventFilter(this);

    BegrenzungenAnzeigen();
    z.offen.albenAuswahl = true;
    ListeAnzeigen();
}

frmAlbenAuswahl::~frmAlbenAuswahl()
{
    // Destroyed without closing only together with the main window: no
    // signal then, the receiver is going away itself.
    z.offen.albenAuswahl = false;
}

void frmAlbenAuswahl::BegrenzungenAnzeigen()
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void frmAlbenAuswahl::ListeAnzeigen()
{
    const QSignalBlocker still(m_cboAlben);
    m_cboAlben->clear();
    m_cboAlben->addItems(z.albenauswahl);
    const int anzahl = m_cboAlben->count();
    const int eintrag = z.albenauswahlIndex;
    // Without a chosen album the prompt shows.
    m_cboAlben->setCurrentIndex(eintrag >= 0 && eintrag < anzahl ? eintrag : (anzahl > 0 ? 0 : -1));
}

void frmAlbenAuswahl::cboAlben_Click(int eintrag)
{
    // Entry 0 is the prompt; entries after the albums are the search result.
    // Deciding by position lets an album carry any name.
    if (eintrag < 1 || eintrag > z.anzahlAlben || eintrag >= z.albenauswahl.size())
        return;
    const QString name = z.albenauswahl.at(eintrag);
    if (z.albenauswahl.last() == SuchergebnisEintrag() && z.albenauswahl.size() - 1 > z.anzahlAlben)
        z.albenauswahl.removeLast();
    NeuesAlbum(name);
}

bool frmAlbenAuswahl::NeuesAlbum(const QString& name)
{
    // A remark typed for the picture shown so far is kept before the album changes.
    z.ui().AlbenAnzeigeBemerkungSichern();
    z.ui().ZoomAnsichtSchliessen();
    if (!z.datenbankOffen && !DatenbankOhneAlbenOeffnen(z, db, z.aktuelleDatenbank))
        return false;
    if (!AlbumWaehlen(z, db, name))
        return false;
    // A cut-off import of the album is finished and missing thumbnails are
    // made, unless the album's CD is in no drive.
    AlbumVervollstaendigen(z, db, this);
    AlbumOeffnen(z, db, z.albumNummer);
    z.ui().AlbenanzeigeStarten();
    return true;
}

void frmAlbenAuswahl::entladenMelden()
{
    if (m_entladen)
        return;
    m_entladen = true;
    z.offen.albenAuswahl = false;
    emit entladen();
}

void frmAlbenAuswahl::closeEvent(QCloseEvent* e)
{
    entladenMelden();
    QFrame::closeEvent(e);
}

void frmAlbenAuswahl::mouseMoveEvent(QMouseEvent* e)
{
    z.ui().KnoepfeZuruecksetzen();
    QFrame::mouseMoveEvent(e);
}

bool frmAlbenAuswahl::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_cboAlben && ereignis->type() == QEvent::MouseMove)
        z.ui().KnoepfeZuruecksetzen();
    return QFrame::eventFilter(objekt, ereignis);
}
