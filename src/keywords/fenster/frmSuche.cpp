#include "frmSuche.h"

#include "Begriffsliste.h"
#include "Begriffstabelle.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Recordset.h"
#include "mdlHilfe.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* knopf(const QString& name, const QString& text, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    return k;
}

QLineEdit* textfeld(const QString& name, QWidget* eltern)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(name);
    return f;
}

// Calls back when the watched box loses the focus.
class Fokuswache : public QObject {
public:
    Fokuswache(std::function<void()> reaktion, QObject* eltern)
        : QObject(eltern)
        , m_reaktion(std::move(reaktion))
    {
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut)
            m_reaktion();
        return false;
    }

private:
    std::function<void()> m_reaktion;
};

}  // namespace

frmSuche::frmSuche(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
{
    setObjectName(QStringLiteral("frmSuche"));
    setWindowTitle(QStringLiteral("Suche"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(10, 8, 10, 8);
    auto* kopf = new QLabel(QStringLiteral("Suche:"), this);
    QFont fett = kopf->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    kopf->setFont(fett);
    haupt->addWidget(kopf);

    haupt->addWidget(new QLabel(QStringLiteral("nach Begriffen:"), this));
    auto* begriffe = new QHBoxLayout;
    m_cboBegriffe = new Begriffsliste(QStringLiteral("cboBegriffe"), this);
    auto* hinzu = knopf(QStringLiteral("cmdHinzufuegen"), QStringLiteral("Hinzufügen"), this);
    begriffe->addWidget(m_cboBegriffe, 1);
    begriffe->addWidget(hinzu);
    haupt->addLayout(begriffe);
    auto* gewaehlt = new QHBoxLayout;
    m_txtBegriffe = textfeld(QStringLiteral("txtBegriffe"), this);
    m_txtBegriffe->setReadOnly(true);
    auto* loeschen = knopf(QStringLiteral("cmdLoeschen"), QStringLiteral("Löschen"), this);
    gewaehlt->addWidget(m_txtBegriffe, 1);
    gewaehlt->addWidget(loeschen);
    haupt->addLayout(gewaehlt);

    haupt->addWidget(new QLabel(QStringLiteral("nach Bemerkung:"), this));
    m_txtBemerkung = textfeld(QStringLiteral("txtBemerkung"), this);
    haupt->addWidget(m_txtBemerkung);
    haupt->addWidget(new QLabel(QStringLiteral("nach Dateiname:"), this));
    m_txtDateiname = textfeld(QStringLiteral("txtDateiname"), this);
    haupt->addWidget(m_txtDateiname);

    haupt->addWidget(new QLabel(QStringLiteral("nach Datum:"), this));
    auto* daten = new QGridLayout;
    daten->addWidget(new QLabel(QStringLiteral("von:"), this), 0, 0);
    daten->addWidget(datumsfeld(QStringLiteral("Von"), m_txtDatumVon, m_movDatumVon), 0, 1);
    daten->addWidget(new QLabel(QStringLiteral("bis:"), this), 1, 0);
    daten->addWidget(datumsfeld(QStringLiteral("Bis"), m_txtDatumBis, m_movDatumBis), 1, 1);
    daten->setColumnStretch(1, 1);
    haupt->addLayout(daten);
    haupt->addWidget(m_movDatumVon);
    haupt->addWidget(m_movDatumBis);
    haupt->addStretch(1);

    auto* unten = new QHBoxLayout;
    auto* starten = knopf(QStringLiteral("cmdStarten"), QStringLiteral("Suche starten"), this);
    auto* schliessen = knopf(QStringLiteral("cmdSchlieessen"), QStringLiteral("Schliessen"), this);
    unten->addStretch(1);
    unten->addWidget(starten);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);

    connect(hinzu, &QPushButton::clicked, this, &frmSuche::cmdHinzufuegen_Click);
    connect(loeschen, &QPushButton::clicked, this, &frmSuche::cmdLoeschen_Click);
    connect(starten, &QPushButton::clicked, this, &frmSuche::cmdStarten_Click);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("suche.htm"));

    z.offen.suche = true;
    ListeAuffuellen();
}

frmSuche::~frmSuche()
{
    if (!m_geschlossen)
        z.offen.suche = false;
}

QWidget* frmSuche::datumsfeld(const QString& name, QLineEdit*& feld, QCalendarWidget*& kalender)
{
    auto* zeile = new QWidget(this);
    auto* l = new QHBoxLayout(zeile);
    l->setContentsMargins(0, 0, 0, 0);
    feld = textfeld(QStringLiteral("txtDatum") + name, zeile);
    auto* k = knopf(QStringLiteral("cmdDatum") + name, QStringLiteral("..."), zeile);
    k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    l->addWidget(feld, 1);
    l->addWidget(k);
    kalender = new QCalendarWidget(this);
    kalender->setObjectName(QStringLiteral("movDatum") + name);
    kalender->setGridVisible(true);
    kalender->hide();
    QLineEdit* f = feld;
    QCalendarWidget* c = kalender;
    connect(k, &QPushButton::clicked, this, [c] { c->setVisible(c->isHidden()); });
    connect(c, &QCalendarWidget::clicked, this, [f, c](const QDate& tag) {
        f->setText(DatumText(tag));
        c->hide();
    });
    f->installEventFilter(new Fokuswache([f] { datumPruefen(f); }, f));
    return zeile;
}

void frmSuche::datumPruefen(QLineEdit* feld)
{
    feld->setText(DatumText(DatumAusText(feld->text())));
}

void frmSuche::Aktivieren()
{
    m_movDatumVon->setSelectedDate(QDate::currentDate());
    m_movDatumBis->setSelectedDate(QDate::currentDate());
    z.ui().AlbenAnzeigeBemerkungSichern();
}

void frmSuche::ListeAuffuellen()
{
    m_cboBegriffe->fuellen(Begriffstabelle::Alphabetisch(db.rsBegriffe));
}

void frmSuche::cmdHinzufuegen_Click()
{
    const qint64 nummer = m_cboBegriffe->gewaehlt();
    const QString text = nummer ? Begriffstabelle::TextVon(db.rsBegriffe, nummer) : QString();
    if (text.isEmpty())
        return;
    m_begriffe.append(nummer);
    m_txtBegriffe->setText(
        m_txtBegriffe->text().isEmpty() ? text : m_txtBegriffe->text() + QStringLiteral(", ") + text);
}

void frmSuche::cmdLoeschen_Click()
{
    m_txtBegriffe->clear();
    m_cboBegriffe->setCurrentIndex(0);
    m_begriffe.clear();
}

Suchkriterien frmSuche::kriterien() const
{
    Suchkriterien k;
    k.begriffe = m_begriffe;
    k.bemerkung = m_txtBemerkung->text();
    k.dateiname = m_txtDateiname->text();
    k.von = DatumAusText(m_txtDatumVon->text());
    k.bis = DatumAusText(m_txtDatumBis->text());
    return k;
}

void frmSuche::cmdStarten_Click()
{
    datumPruefen(m_txtDatumVon);
    datumPruefen(m_txtDatumBis);
    Suchkriterien k = kriterien();
    if (k.leer())
        return;
    // The boxes show the range that is searched.
    DatumsbereichErgaenzen(k.von, k.bis);
    m_txtDatumVon->setText(DatumText(k.von));
    m_txtDatumBis->setText(DatumText(k.bis));

    const Suchergebnis ergebnis = SucheAusfuehren(z, db, k);
    switch (ergebnis.ausgang) {
    case Suchausgang::KeinKriterium:
    case Suchausgang::Abgebrochen:
        return;
    case Suchausgang::Gefunden:
        SuchergebnisZeigen(z, db);
        close();
        return;
    case Suchausgang::NichtsGefunden:
        z.Meldung(QStringLiteral("Schade, kein Bild gefunden!"));
        close();
        return;
    case Suchausgang::Fehler:
        // The window stays, so the search can be tried again.
        z.Meldung(ergebnis.fehler, Meldungen::Fehler, QStringLiteral("Suche"));
        return;
    }
}

void frmSuche::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted() || m_geschlossen)
        return;
    m_geschlossen = true;
    z.offen.suche = false;
    emit geschlossen();
}

void frmSuche::mouseMoveEvent(QMouseEvent* e)
{
    z.ui().KnoepfeZuruecksetzen();
    QWidget::mouseMoveEvent(e);
}

void frmSuche::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(0, 0, width() - 1, height() - 1);
}
