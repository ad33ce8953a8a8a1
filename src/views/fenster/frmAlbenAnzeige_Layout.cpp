// The album viewer's controls and their places.
#include "Bildknopf.h"
#include "frmAlbenAnzeige.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit* nurLesefeld(const QString& name, QWidget* eltern)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setReadOnly(true);
    return feld;
}

QLabel* beschriftung(const QString& text, QWidget* eltern)
{
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

}  // namespace

void frmAlbenAnzeige::aufbauen()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 8, 8, 6);
    haupt->setSpacing(6);

    auto* oben = new QHBoxLayout;
    oben->setSpacing(10);
    m_bildkasten = new QFrame(this);
    m_bildkasten->setObjectName(QStringLiteral("fraBild"));
    m_bildkasten->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_bildkasten->setFixedSize(BildRahmen + 2, BildRahmen + 2);
    m_imgBild = new QLabel(m_bildkasten);
    m_imgBild->setObjectName(QStringLiteral("imgBild"));
    m_imgBild->setScaledContents(true);
    m_imgBild->move(1, 1);
    m_imgBild->hide();
    m_imgBild->installEventFilter(this);
    oben->addWidget(m_bildkasten, 0, Qt::AlignTop);

    auto* felder = new QGridLayout;
    felder->setHorizontalSpacing(6);
    felder->setVerticalSpacing(5);
    m_txtBildname = nurLesefeld(QStringLiteral("txtBildname"), this);
    m_txtBilddatum = nurLesefeld(QStringLiteral("txtBilddatum"), this);
    m_txtBilddatum->setMaximumWidth(110);
    m_txtBegriffe = nurLesefeld(QStringLiteral("txtBegriffe"), this);
    m_txtBegriffe->installEventFilter(this);
    m_cmdDatum = new QPushButton(QStringLiteral("Neues Datum"), this);
    m_cmdDatum->setObjectName(QStringLiteral("cmdDatum"));
    // Wide enough for both captions, so that the fields keep their places.
    m_cmdDatum->setFixedWidth(std::max(m_cmdDatum->fontMetrics().horizontalAdvance(QStringLiteral("Neues Datum")),
                                       m_cmdDatum->fontMetrics().horizontalAdvance(QStringLiteral("Schließen")))
                              + 24);
    m_cmdBegriffe = new QPushButton(QStringLiteral("Begriffe-Verwaltung"), this);
    m_cmdBegriffe->setObjectName(QStringLiteral("cmdBegriffe"));
    felder->addWidget(beschriftung(QStringLiteral("Bildname:"), this), 0, 0);
    felder->addWidget(m_txtBildname, 0, 1, 1, 2);
    felder->addWidget(beschriftung(QStringLiteral("Datum:"), this), 1, 0);
    felder->addWidget(m_txtBilddatum, 1, 1);
    felder->addWidget(m_cmdDatum, 1, 2);
    felder->addWidget(beschriftung(QStringLiteral("Begriffe:"), this), 2, 0);
    felder->addWidget(m_txtBegriffe, 2, 1, 1, 2);
    felder->addWidget(m_cmdBegriffe, 3, 1, 1, 2, Qt::AlignLeft);
    felder->setColumnStretch(1, 1);
    felder->setRowStretch(4, 1);
    oben->addLayout(felder, 1);
    haupt->addLayout(oben);

    m_lblSpeicherOrt = new QLabel(this);
    m_lblSpeicherOrt->setObjectName(QStringLiteral("lblSpeicherOrt"));
    m_lblSpeicherOrt->setWordWrap(true);
    m_lblSpeicherOrt->setMinimumHeight(2 * fontMetrics().height() + 4);
    m_lblSpeicherOrt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblSpeicherOrt->setTextInteractionFlags(Qt::TextSelectableByMouse);
    haupt->addWidget(m_lblSpeicherOrt);

    auto* bemerkungKopf = new QLabel(QStringLiteral("Bemerkung:"), this);
    haupt->addWidget(bemerkungKopf);
    m_txtBemerkung = new QPlainTextEdit(this);
    m_txtBemerkung->setObjectName(QStringLiteral("txtBemerkung"));
    m_txtBemerkung->setMinimumHeight(4 * fontMetrics().height());
    haupt->addWidget(m_txtBemerkung, 1);

    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(4);
    navigation->addStretch(1);
    const struct {
        Bildknopf** knopf;
        const char* name;
        const char* schluessel;
        const char* tipp;
    } knoepfe[] = {{&m_cmdFirst, "cmdFirst", "first", "Anfang"},
                   {&m_cmdBack, "cmdBack", "back", "zurück"},
                   {&m_cmdNext, "cmdNext", "next", "vor"},
                   {&m_cmdLast, "cmdLast", "last", "Ende"}};
    for (const auto& k : knoepfe) {
        auto* knopf = new Bildknopf(QLatin1String(k.name), QLatin1String(k.schluessel), m_bilder, this);
        knopf->setToolTip(QString::fromUtf8(k.tipp));
        knopf->setFixedSize(knopf->sizeHint());
        *k.knopf = knopf;
        m_knoepfe.hinzufuegen(knopf);
        navigation->addWidget(knopf);
        connect(knopf, &Bildknopf::mausDarueber, this, [this](Bildknopf* b) { m_knoepfe.mausUeberKnopf(b); });
    }
    navigation->addStretch(1);
    haupt->addLayout(navigation);

    // The month calendar lies over the fields while it is open.
    m_movBildDatum = new QCalendarWidget(this);
    m_movBildDatum->setObjectName(QStringLiteral("movBildDatum"));
    m_movBildDatum->setGridVisible(true);
    m_movBildDatum->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_movBildDatum->setMinimumWidth(15 * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 160);
    m_movBildDatum->hide();

    connect(m_cmdFirst, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Erstes); });
    connect(m_cmdBack, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Zurueck); });
    connect(m_cmdNext, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Vor); });
    connect(m_cmdLast, &Bildknopf::geklickt, this, [this] { Navigieren(Schritt::Letztes); });
    connect(m_cmdDatum, &QPushButton::clicked, this, &frmAlbenAnzeige::cmdDatum_Click);
    connect(m_movBildDatum, &QCalendarWidget::clicked, this, &frmAlbenAnzeige::movBildDatum_Gewaehlt);
    connect(m_movBildDatum, &QCalendarWidget::activated, this, &frmAlbenAnzeige::movBildDatum_Gewaehlt);
    connect(m_cmdBegriffe, &QPushButton::clicked, this, &frmAlbenAnzeige::cmdBegriffe_Click);
    connect(m_txtBemerkung, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_bemerkungWirdGesetzt)
            Aenderung = true;
    });

    setMouseTracking(true);
    setMinimumSize(430, 400);
}
