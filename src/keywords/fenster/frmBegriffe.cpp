#include "frmBegriffe.h"

#include "Begriffsfeld.h"
#include "Begriffsliste.h"
#include "Begriffstabelle.h"
#include "Bildbegriffe.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "frmBegriffeAendern.h"
#include "mdlDatenbanken.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* beschriftung(const QString& text, QWidget* eltern)
{
    return new QLabel(text, eltern);
}

QPushButton* knopf(const QString& name, const QString& text, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    return k;
}

}  // namespace

frmBegriffe::frmBegriffe(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
{
    setObjectName(QStringLiteral("frmBegriffe"));
    setWindowTitle(QStringLiteral("Begriffe hinzufügen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    aufbauen();
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("info_bilder.htm"));
    z.offen.begriffe = true;
    ListeAuffuellen();
    formSetzen(false, QStringLiteral("Erweitern >>"));
}

frmBegriffe::~frmBegriffe()
{
    if (!m_geschlossen)
        z.offen.begriffe = false;
}

void frmBegriffe::aufbauen()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 6, 8, 6);
    haupt->setSpacing(4);
    auto* oben = new QGridLayout;
    oben->setHorizontalSpacing(6);
    oben->setVerticalSpacing(4);
    m_txtNeuerBegriff = new QLineEdit(this);
    m_txtNeuerBegriff->setObjectName(QStringLiteral("txtNeuerBegriff"));
    m_txtNeuerBegriff->setMaxLength(Begriffsfeld::BegriffLaenge);
    m_cmdHinzuNeu = knopf(QStringLiteral("cmdHinzuNeu"), QStringLiteral("Hinzufügen"), this);
    m_cboBegriffe = new Begriffsliste(QStringLiteral("cboBegriffe"), this);
    m_cmdHinzuVorhanden = knopf(QStringLiteral("cmdHinzuVorhanden"), QStringLiteral("Hinzufügen"), this);
    oben->addWidget(beschriftung(QStringLiteral("Neuen Begriff hinzufügen:"), this), 0, 0);
    oben->addWidget(m_txtNeuerBegriff, 0, 1);
    oben->addWidget(m_cmdHinzuNeu, 0, 2);
    oben->addWidget(beschriftung(QStringLiteral("Vorhandene Begriff hinzufügen:"), this), 1, 0);
    oben->addWidget(m_cboBegriffe, 1, 1);
    oben->addWidget(m_cmdHinzuVorhanden, 1, 2);
    oben->setColumnStretch(1, 1);
    haupt->addLayout(oben);

    auto* knoepfe = new QHBoxLayout;
    m_cmdAendern = knopf(QStringLiteral("cmdAendern"), QStringLiteral("Begriffe ändern"), this);
    m_cmdErweitert = knopf(QStringLiteral("cmdErweitert"), QStringLiteral("Erweitern >>"), this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_cmdAendern);
    knoepfe->addWidget(m_cmdErweitert);
    haupt->addLayout(knoepfe);

    m_loeschen = new QWidget(this);
    auto* unten = new QGridLayout(m_loeschen);
    unten->setContentsMargins(0, 6, 0, 0);
    unten->setHorizontalSpacing(6);
    m_cboBegriffeBildLoeschen = new Begriffsliste(QStringLiteral("cboBegriffeBildLoeschen"), m_loeschen);
    m_cmdLoeschenInBild = knopf(QStringLiteral("cmdLoeschenInBild"), QStringLiteral("Löschen"), m_loeschen);
    m_cboBegriffeAlleLoeschen = new Begriffsliste(QStringLiteral("cboBegriffeAlleLoeschen"), m_loeschen);
    m_cmdLoeschenAlle = knopf(QStringLiteral("cmdLoeschenAlle"), QStringLiteral("Löschen"), m_loeschen);
    unten->addWidget(beschriftung(QStringLiteral("Begriff in diesem Bild löschen:"), m_loeschen), 0, 0);
    unten->addWidget(m_cboBegriffeBildLoeschen, 0, 1);
    unten->addWidget(m_cmdLoeschenInBild, 0, 2);
    unten->addWidget(beschriftung(QStringLiteral("Begriff in allen Bildern löschen:"), m_loeschen), 1, 0);
    unten->addWidget(m_cboBegriffeAlleLoeschen, 1, 1);
    unten->addWidget(m_cmdLoeschenAlle, 1, 2);
    unten->setColumnStretch(1, 1);
    haupt->addWidget(m_loeschen);
    haupt->addStretch(1);

    // No wider than the viewer it sits under, in the smallest main window too.
    for (Begriffsliste* liste : { m_cboBegriffe, m_cboBegriffeBildLoeschen, m_cboBegriffeAlleLoeschen })
        liste->setMinimumContentsLength(12);
    m_txtNeuerBegriff->setMinimumWidth(m_cboBegriffe->minimumSizeHint().width());

    connect(m_txtNeuerBegriff, &QLineEdit::returnPressed, this, &frmBegriffe::NeuenBegriffEinfuegen);
    connect(m_cmdHinzuNeu, &QPushButton::clicked, this, &frmBegriffe::NeuenBegriffEinfuegen);
    connect(m_cmdHinzuVorhanden, &QPushButton::clicked, this, &frmBegriffe::cmdHinzuVorhanden_Click);
    connect(m_cmdAendern, &QPushButton::clicked, this, &frmBegriffe::cmdAendern_Click);
    connect(m_cmdErweitert, &QPushButton::clicked, this, &frmBegriffe::cmdErweitert_Click);
    connect(m_cmdLoeschenInBild, &QPushButton::clicked, this, &frmBegriffe::cmdLoeschenInBild_Click);
    connect(m_cmdLoeschenAlle, &QPushButton::clicked, this, &frmBegriffe::cmdLoeschenAlle_Click);
}

bool frmBegriffe::erweitert() const
{
    return m_cmdErweitert->property("tag").toString() == QLatin1String("1");
}

void frmBegriffe::hoeheSetzen(int twips)
{
    // The frame's height, as the form's height counts its caption too; never
    // less than the controls need.
    QWidget* rahmen = parentWidget() ? parentWidget() : this;
    const int rand = rahmen->height() - height();
    layout()->activate();
    const int noetig = minimumSizeHint().height() + (rahmen == this ? 0 : rand);
    rahmen->resize(rahmen->width(), std::max(Twips::zuPixel(twips), noetig));
    emit hoeheGeaendert();
}

void frmBegriffe::formSetzen(bool gross, const QString& text)
{
    m_loeschen->setVisible(gross);
    m_cmdErweitert->setProperty("tag", gross ? QStringLiteral("1") : QStringLiteral("0"));
    m_cmdErweitert->setText(text);
    hoeheSetzen(gross ? HoeheGrossTwips : HoeheKleinTwips);
}

void frmBegriffe::ListeAuffuellen()
{
    m_cboBegriffe->fuellen(Begriffstabelle::Alphabetisch(db.rsBegriffe));
}

void frmBegriffe::ListeLoeschenAuffuellen()
{
    if (db.rsBegriffe.RecordCount() == 0) {
        formSetzen(false, QStringLiteral("Begriffe löschen >>"));
        m_cboBegriffeBildLoeschen->fuellen({});
        m_cboBegriffeAlleLoeschen->fuellen({});
        return;
    }
    // The first keyword makes the reduced window's button extend again.
    if (!erweitert())
        m_cmdErweitert->setText(QStringLiteral("Erweitern >>"));
    m_cboBegriffeBildLoeschen->fuellen(
        Begriffstabelle::DesFeldes(db.rsBegriffe, FeldLesen(db.rsAlbum, QStringLiteral("Schluesselbegriffe"))));
    m_cboBegriffeAlleLoeschen->fuellen(Begriffstabelle::Alphabetisch(db.rsBegriffe));
}

bool frmBegriffe::fehlerZeigen(const QString& text)
{
    z.Meldung(text, Meldungen::Fehler, QStringLiteral("Begriffe"));
    return false;
}

void frmBegriffe::nachAenderung()
{
    z.ui().AlbenAnzeigeBegriffeAktualisieren();
    QApplication::beep();
    ListeLoeschenAuffuellen();
}

qint64 frmBegriffe::NeuenDatensatzEinfuegen(const QString& text)
{
    try {
        const qint64 nummer = Begriffstabelle::NeuenDatensatzEinfuegen(db, text);
        ListeAuffuellen();
        return nummer;
    } catch (const DatenbankFehler& f) {
        fehlerZeigen(f.text());
        return 0;
    }
}

void frmBegriffe::NeuenBegriffEinfuegen()
{
    const QString text = m_txtNeuerBegriff->text();
    if (text.trimmed().isEmpty() || db.rsAlbum.AbsolutePosition() == Recordset::PositionUnbekannt)
        return;
    qint64 nummer = Begriffstabelle::NummerVon(db.rsBegriffe, text);
    if (nummer == 0)
        nummer = NeuenDatensatzEinfuegen(text);
    if (nummer == 0)
        return;
    try {
        Bildbegriffe::Hinzufuegen(z, db, nummer);
    } catch (const DatenbankFehler& f) {
        // The typed text stays, so nothing is lost.
        fehlerZeigen(f.text());
        return;
    }
    m_txtNeuerBegriff->clear();
    nachAenderung();
}

void frmBegriffe::cmdHinzuVorhanden_Click()
{
    const qint64 nummer = m_cboBegriffe->gewaehlt();
    if (nummer == 0 || Begriffstabelle::TextVon(db.rsBegriffe, nummer).isEmpty())
        return;
    try {
        if (!Bildbegriffe::Hinzufuegen(z, db, nummer))
            return;
    } catch (const DatenbankFehler& f) {
        fehlerZeigen(f.text());
        return;
    }
    nachAenderung();
}

void frmBegriffe::cmdLoeschenInBild_Click()
{
    const qint64 nummer = m_cboBegriffeBildLoeschen->gewaehlt();
    if (nummer == 0 || Begriffstabelle::TextVon(db.rsBegriffe, nummer).isEmpty())
        return;
    try {
        Bildbegriffe::Entfernen(z, db, nummer);
    } catch (const DatenbankFehler& f) {
        fehlerZeigen(f.text());
        return;
    }
    nachAenderung();
}

void frmBegriffe::cmdLoeschenAlle_Click()
{
    const qint64 nummer = m_cboBegriffeAlleLoeschen->gewaehlt();
    if (nummer == 0)
        return;
    const QChar cr(13);
    // Named as written: two keywords may differ only in case.
    const QString text = Begriffstabelle::TextVon(db.rsBegriffe, nummer);
    if (z.Meldung(QStringLiteral("Soll der Begriff „%1“ wirklich gelöscht werden?").arg(text) + cr
                + QStringLiteral("Damit wird dieser aus allen Bildern dieser Datenbank entfernt!"),
            Meldungen::Frage, QStringLiteral("Begriff löschen?"))
        != Meldungen::Antwort::Ja)
        return;
    try {
        if (!Begriffstabelle::Loeschen(db, nummer))
            return;
    } catch (const DatenbankFehler& f) {
        fehlerZeigen(f.text());
        return;
    }
    z.ui().AlbenAnzeigeBegriffeAktualisieren();
    ListeLoeschenAuffuellen();
    ListeAuffuellen();
}

void frmBegriffe::cmdErweitert_Click()
{
    if (db.rsBegriffe.RecordCount() == 0)
        return;
    if (erweitert()) {
        formSetzen(false, QStringLiteral("Erweitern >>"));
    } else {
        ListeLoeschenAuffuellen();
        formSetzen(true, QStringLiteral("<< Verkleinern"));
    }
}

void frmBegriffe::cmdAendern_Click()
{
    frmBegriffeAendern dialog(z, db, this);
    connect(&dialog, &frmBegriffeAendern::umbenannt, this, [this] {
        ListeLoeschenAuffuellen();
        ListeAuffuellen();
    });
    dialog.exec();
}

void frmBegriffe::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    m_geschlossen = true;
    z.offen.begriffe = false;
    emit geschlossen();
}

void frmBegriffe::mouseMoveEvent(QMouseEvent* e)
{
    z.ui().KnoepfeZuruecksetzen();
    QWidget::mouseMoveEvent(e);
}

void frmBegriffe::paintEvent(QPaintEvent*)
{
    // The frame lines along the inner edges.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(0, 0, width() - 1, height() - 1);
}
