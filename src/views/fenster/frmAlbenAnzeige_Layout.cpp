// The album viewer's controls and their places.
#include "Bildknopf.h"
#include "frmAlbenAnzeige.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit* nurLesefeld(const QString& name, QWidget* eltern)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setReadOnly(true);
    frmAlbenAnzeige::gesperrtZeigen(feld, true);
    // A long name or keyword list shows its beginning, not its end.
    QObject::connect(feld, &QLineEdit::textChanged, feld, [feld] { feld->setCursorPosition(0); });
    return feld;
}

QLabel* beschriftung(const QString& text, QWidget* eltern)
{
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// A wrapping label that keeps the height it is given. A plain wrapping
// label makes the scroll area size the viewer by its preferred height for
// the width, which is taller than needed, and shows a scroll bar for nothing.
class Ortsbeschriftung : public QLabel {
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

void frmAlbenAnzeige::gesperrtZeigen(QWidget* feld, bool gesperrt)
{
    // A locked field looks locked: the window's colour behind the text, so
    // nobody types into it in vain.
    QPalette farben = feld->palette();
    farben.setColor(QPalette::Base, QApplication::palette().color(gesperrt ? QPalette::Window : QPalette::Base));
    feld->setPalette(farben);
}

void frmAlbenAnzeige::aufbauen()
{
    // The viewer gets the height that is left below the chooser, which is
    // little in a small main window. Its controls are packed so that they
    // fit at the main window's minimum; should a frame be smaller still,
    // scroll bars appear instead of controls being cut off.
    auto* rand = new QVBoxLayout(this);
    rand->setContentsMargins(1, 1, 1, 1); // room for the frame lines
    m_rollbereich = new QScrollArea(this);
    m_rollbereich->setObjectName(QStringLiteral("scrAnzeige"));
    m_rollbereich->setFrameShape(QFrame::NoFrame);
    m_rollbereich->setWidgetResizable(true);
    m_rollbereich->viewport()->setMouseTracking(true);
    rand->addWidget(m_rollbereich);
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("fraInhalt"));
    inhalt->setMouseTracking(true);
    m_rollbereich->setWidget(inhalt);

    auto* haupt = new QVBoxLayout(inhalt);
    haupt->setContentsMargins(7, 7, 7, 5);
    haupt->setSpacing(6);

    auto* oben = new QHBoxLayout;
    oben->setSpacing(10);
    // The picture with the navigation right under it: the buttons stay near
    // the picture they step through, and the column is no higher than the fields.
    auto* bildspalte = new QVBoxLayout;
    bildspalte->setSpacing(6);
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
    bildspalte->addWidget(m_bildkasten, 0, Qt::AlignLeft);

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
    // Where the file lies, beside the picture rather than below it: long
    // folder names wrap in the wide column and cost no height below.
    m_lblSpeicherOrt = new Ortsbeschriftung(this);
    m_lblSpeicherOrt->setObjectName(QStringLiteral("lblSpeicherOrt"));
    m_lblSpeicherOrt->setWordWrap(true);
    m_lblSpeicherOrt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblSpeicherOrt->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Three lines hold the sentence in all but extreme cases.
    m_lblSpeicherOrt->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_lblSpeicherOrt->setMinimumHeight(3 * fontMetrics().lineSpacing());
    felder->addWidget(m_lblSpeicherOrt, 4, 0, 1, 3);
    felder->setColumnStretch(1, 1);
    felder->setRowStretch(5, 1);
    oben->addLayout(bildspalte);
    oben->addLayout(felder, 1);
    haupt->addLayout(oben);

    auto* bemerkungKopf = new QLabel(QStringLiteral("Bemerkung:"), this);
    haupt->addWidget(bemerkungKopf);
    m_txtBemerkung = new QPlainTextEdit(this);
    m_txtBemerkung->setObjectName(QStringLiteral("txtBemerkung"));
    m_txtBemerkung->setMinimumHeight(3 * fontMetrics().lineSpacing() + 8);
    haupt->addWidget(m_txtBemerkung, 1);

    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(2);
    navigation->addStretch(1);
    const struct {
        Bildknopf** knopf;
        const char* name;
        const char* schluessel;
        const char* tipp;
    } knoepfe[] = { { &m_cmdFirst, "cmdFirst", "first", "Anfang" }, { &m_cmdBack, "cmdBack", "back", "zurück" },
        { &m_cmdNext, "cmdNext", "next", "vor" }, { &m_cmdLast, "cmdLast", "last", "Ende" } };
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
    bildspalte->addLayout(navigation);
    bildspalte->addStretch(1);

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
    // Smaller than its controls need: the scroll area takes over there.
    setMinimumSize(200, 120);
}
