#include "mdiHauptform.h"

#include "Bildknopf.h"
#include "Datenbankobjekte.h"
#include "Komponententest.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "frmHilfe.h"
#include "mdlDatenbanken.h"
#include "mdlRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace {

struct Knopfbeschreibung {
    const char* name;
    const char* schluessel;
    const char* tipp;
};

// The toolbar in its fixed order; NormaleButtons walks it in this order too.
const Knopfbeschreibung Werkzeugknoepfe[] = {
    { "cmdNew", "new", "Neue Datenbank erstellen" },
    { "cmdOpen", "open", "Datenbank öffnen" },
    { "cmdBrowser", "browser", "Browser ein- / ausblenden" },
    { "cmdListe", "liste", "Bilderliste ein- / ausblenden" },
    { "cmdAlbum", "album", "Album aus vorhandenen Ordner erstellen" },
    { "cmdSuche", "suche", "Suche" },
    { "cmdQuen", "quen", "Kolvar – von Ostrelan Software" },
    { "cmdPraesentation", "praesentation", "Praesentation öffnen" },
};

} // namespace

mdiHauptform::mdiHauptform(Programmzustand& zustand, Datenbankobjekte& datenbank, Registry& registry)
    : z(zustand)
    , db(datenbank)
    , m_registry(registry)
{
    setObjectName(QStringLiteral("mdiHauptform"));
    setWindowTitle(QStringLiteral("Kolvar"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/kolvar.png")));

    m_flaeche = new QMdiArea(this);
    m_flaeche->setObjectName(QStringLiteral("mdiFlaeche"));
    m_flaeche->setBackground(QColor(0x80, 0x80, 0x80));
    m_flaeche->viewport()->setMouseTracking(true);
    m_flaeche->viewport()->installEventFilter(this);
    setCentralWidget(m_flaeche);

    menuesAufbauen();
    werkzeugleisteAufbauen();
    einstellungenVerbinden();

    m_status1 = new QLabel(this);
    m_status1->setObjectName(QStringLiteral("stbUnten1"));
    m_status2 = new QLabel(this);
    m_status2->setObjectName(QStringLiteral("stbUnten2"));
    statusBar()->setObjectName(QStringLiteral("stbUnten"));
    statusBar()->addWidget(m_status1);
    statusBar()->addWidget(m_status2, 1);

    m_timAlbenanzeige.setObjectName(QStringLiteral("timAlbenanzeige"));
    m_timAlbenanzeige.setInterval(50);
    connect(&m_timAlbenanzeige, &QTimer::timeout, this, &mdiHauptform::timAlbenanzeigeAbgelaufen);
    m_timSuche.setObjectName(QStringLiteral("timSuche"));
    m_timSuche.setInterval(50);
    connect(&m_timSuche, &QTimer::timeout, this, &mdiHauptform::SucheAnzeigen);
    m_timResize.setObjectName(QStringLiteral("timResize"));
    m_timResize.setInterval(250);
    m_timResize.setSingleShot(true); // one check once the resizing has paused
    connect(&m_timResize, &QTimer::timeout, this, &mdiHauptform::timResizeAbgelaufen);

    z.oberflaeche = this;
    praesentationenVerbinden();
    // Last: the letters go to every entry the menus have by now.
    TastaturEinrichten();
    befehleOhneDatenbank();
}

mdiHauptform::~mdiHauptform()
{
    // The frame's children die after this body, when this window is no
    // longer whole: the filters that call back into it go first, and a view
    // closing then must not arrange views that are already gone.
    delete m_ansichtenFilter;
    m_ansichtenFilter = nullptr;
    delete m_vorschauBeobachter;
    m_vorschauBeobachter = nullptr;
    delete m_breitenwaechter;
    m_breitenwaechter = nullptr;
    if (m_storyboardFenster)
        disconnect(m_storyboardFenster, nullptr, this, nullptr);
    if (z.oberflaeche == this)
        z.oberflaeche = nullptr;
}

QAction* mdiHauptform::neueAktion(
    QMenu* menue, const QString& name, const QString& text, void (mdiHauptform::*befehl)())
{
    QAction* a = menue->addAction(text);
    a->setObjectName(name);
    if (befehl)
        connect(a, &QAction::triggered, this, befehl);
    m_aktionen.insert(name, a);
    return a;
}

QMenu* mdiHauptform::neuesMenue(QMenu* eltern, const QString& name, const QString& text)
{
    QMenu* m = eltern ? eltern->addMenu(text) : menuBar()->addMenu(text);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    m_menues.insert(name, m);
    m_aktionen.insert(name, m->menuAction());
    return m;
}

void mdiHauptform::menuesAufbauen()
{
    QMenu* datei = neuesMenue(nullptr, QStringLiteral("mnuDatei"), QStringLiteral("Datei"));
    neueAktion(datei, QStringLiteral("mnuNeueDatenbank"), QStringLiteral("Neue Datenbank"),
        &mdiHauptform::NeueDatenbankBefehl);
    neueAktion(datei, QStringLiteral("mnuDateiOeffnen"), QStringLiteral("Datenbank öffnen"),
        &mdiHauptform::DatenbankOeffnenBefehl);
    neueAktion(datei, QStringLiteral("mnuDateiSchliessen"), QStringLiteral("Datenbank  schliessen"),
        &mdiHauptform::DatenbankSchliessenBefehl);
    datei->addSeparator()->setObjectName(QStringLiteral("mnuDateiTS1"));
    neueAktion(datei, QStringLiteral("mnuBeenden"), QStringLiteral("Kolvar beenden"));
    connect(aktion(QStringLiteral("mnuBeenden")), &QAction::triggered, this, &QWidget::close);

    QMenu* album = neuesMenue(nullptr, QStringLiteral("mnuDatenbank"), QStringLiteral("Album"));
    QMenu* neu = neuesMenue(album, QStringLiteral("mnuNeueAlben"), QStringLiteral("Neu"));
    neueAktion(neu, QStringLiteral("mnuOrdnerUebernehmen"), QStringLiteral("Vorhandenen Ordner übernehmen"),
        &mdiHauptform::OrdnerUebernehmenBefehl);
    neueAktion(neu, QStringLiteral("mnuLeeresAlbum"), QStringLiteral("Leeres Album anlegen"),
        &mdiHauptform::LeeresAlbumBefehl);
    neueAktion(
        album, QStringLiteral("mnuLoeschenAlbum"), QStringLiteral("Löschen"), &mdiHauptform::AlbumLoeschenBefehl);
    neueAktion(album, QStringLiteral("mnuUmbenennenAlbum"), QStringLiteral("Umbenennen"),
        &mdiHauptform::AlbumUmbenennenBefehl);
    album->addSeparator()->setObjectName(QStringLiteral("mnuAlbumTrennstrich1"));
    neueAktion(
        album, QStringLiteral("mnuAlbumAlsPrae"), QStringLiteral("Album/Suchergebnis als Präsentation anzeigen"));
    neueAktion(album, QStringLiteral("mnuAlbumVorschaubilder"), QStringLiteral("Vorschaubilder aktualisieren"),
        &mdiHauptform::VorschaubilderBefehl);

    QMenu* prae = neuesMenue(nullptr, QStringLiteral("mnuPraesentation"), QStringLiteral("Präsentation"));
    neueAktion(prae, QStringLiteral("mnuPraeNeu"), QStringLiteral("Neu"));
    neueAktion(prae, QStringLiteral("mnuPraeOeffnen"), QStringLiteral("Öffnen"));
    neueAktion(prae, QStringLiteral("mnuPraeImportieren"), QStringLiteral("Importieren"));
    neueAktion(prae, QStringLiteral("mnuLoeschenPraesentation"), QStringLiteral("Löschen"),
        &mdiHauptform::PraesentationLoeschenBefehl);
    prae->addSeparator()->setObjectName(QStringLiteral("mnuPraetrennstrich1"));
    QMenu* aktuelle = neuesMenue(prae, QStringLiteral("mnuPraeDummy"), QStringLiteral("Aktuelle Präsentation"));
    neueAktion(aktuelle, QStringLiteral("mnuPraeStarten"), QStringLiteral("Starten"));
    neueAktion(aktuelle, QStringLiteral("mnuPraeUmbenennen"), QStringLiteral("Umbenennen"));
    neueAktion(aktuelle, QStringLiteral("mnuPraeExportieren"), QStringLiteral("Exportieren"));
    neueAktion(aktuelle, QStringLiteral("mnuPraeSchliessen"), QStringLiteral("Schliessen"),
        &mdiHauptform::mnuPraeSchliessen_Click);

    // "Suche" is an entry of the menu bar itself, without a submenu.
    QAction* suche = menuBar()->addAction(QStringLiteral("Suche"));
    suche->setObjectName(QStringLiteral("mnuSuche"));
    connect(suche, &QAction::triggered, this, &mdiHauptform::SucheBefehl);
    m_aktionen.insert(QStringLiteral("mnuSuche"), suche);

    QMenu* anzeige = neuesMenue(nullptr, QStringLiteral("mnuAnzeige"), QStringLiteral("Anzeige"));
    QAction* auswahl = neueAktion(anzeige, QStringLiteral("mnuAlbenauswahl"), QStringLiteral("Albenauswahl"));
    auswahl->setCheckable(true);
    auswahl->setVisible(false);
    neueAktion(
        anzeige, QStringLiteral("mnuBilderListe"), QStringLiteral("BilderListe"), &mdiHauptform::mnuBilderListe_Click);
    neueAktion(anzeige, QStringLiteral("mnuBrowser"), QStringLiteral("Browser"), &mdiHauptform::BrowserBefehl);

    QMenu* konfig = neuesMenue(nullptr, QStringLiteral("mnuKonfig"), QStringLiteral("Einstellungen"));
    neueAktion(konfig, QStringLiteral("mnuEinstellungenAlben"), QStringLiteral("Alben"));
    neueAktion(konfig, QStringLiteral("mnuEinstellungenBV"), QStringLiteral("Bilderverzeichnis"));
    neueAktion(konfig, QStringLiteral("mnuKonfBrowser"), QStringLiteral("Browser"));
    neueAktion(konfig, QStringLiteral("mnuKonfPraesentationen"), QStringLiteral("Präsentationen"));

    QMenu* info = neuesMenue(nullptr, QStringLiteral("mnuInfo"), QStringLiteral("?"));
    neueAktion(info, QStringLiteral("mnuInfoHilfe"), QStringLiteral("Hilfe"), &mdiHauptform::HilfeBefehl);
    neueAktion(info, QStringLiteral("mnuInfoUeber"), QStringLiteral("Über Kolvar"), &mdiHauptform::UeberBefehl);

    // The pop-up menus are never in the menu bar; the child windows show them.
    QMenu* browserPU = new QMenu(QStringLiteral("Browser PopUp"), this);
    browserPU->setObjectName(QStringLiteral("mnuBrowserPU"));
    m_menues.insert(browserPU->objectName(), browserPU);
    neueAktion(browserPU, QStringLiteral("mnuBPU_Eigenschaften"),
        QStringLiteral("Eigenschaften der markierten Bilder ändern"), &mdiHauptform::MarkierteBilderEigenschaften);

    QMenu* praeBilder = new QMenu(QStringLiteral("PräsentationsBilder PopUp"), this);
    praeBilder->setObjectName(QStringLiteral("mnuPUPraeBilder"));
    m_menues.insert(praeBilder->objectName(), praeBilder);
    neueAktion(praeBilder, QStringLiteral("mnuPUPraeStartHier"), QStringLiteral("Präsentation ab diesem Bild starten"));
    neueAktion(praeBilder, QStringLiteral("mnuPUPraeInfo"), QStringLiteral("Info"));
    praeBilder->addSeparator();
    neueAktion(praeBilder, QStringLiteral("mnuPUPraeLoeschen"), QStringLiteral("Löschen"));

    QMenu* praePU = new QMenu(QStringLiteral("Präsentations PopUp"), this);
    praePU->setObjectName(QStringLiteral("mnuPUPrae"));
    m_menues.insert(praePU->objectName(), praePU);
    neueAktion(praePU, QStringLiteral("mnuPUPraeStarten"), QStringLiteral("Präsentation starten"));
    neueAktion(praePU, QStringLiteral("mnuPUPraeSchliessen"), QStringLiteral("Präsentation schliessen"),
        &mdiHauptform::mnuPraeSchliessen_Click);
    neueAktion(praePU, QStringLiteral("mnuPUPraeExportieren"), QStringLiteral("Präsentation exportieren"));
    praePU->addSeparator();
    neueAktion(praePU, QStringLiteral("mnuPUPraeUmbenennen"), QStringLiteral("Präsentation umbenennen"));

    // Entries that are off when the window is made.
    for (const char* name : { "mnuDateiSchliessen", "mnuDatenbank", "mnuPraesentation", "mnuPraeOeffnen",
             "mnuPraeDummy", "mnuPraeSchliessen", "mnuSuche", "mnuAnzeige", "mnuEinstellungenBV" })
        aktion(QLatin1String(name))->setEnabled(false);
}

void mdiHauptform::werkzeugleisteAufbauen()
{
    m_sspSymbole = new QToolBar(QStringLiteral("Symbolleiste"), this);
    m_sspSymbole->setObjectName(QStringLiteral("sspSymbole"));
    m_sspSymbole->setMovable(false);
    m_sspSymbole->setFloatable(false);
    m_sspSymbole->setContextMenuPolicy(Qt::PreventContextMenu);
    m_sspSymbole->setMouseTracking(true);
    m_sspSymbole->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, m_sspSymbole);

    for (const Knopfbeschreibung& b : Werkzeugknoepfe) {
        auto* k = new Bildknopf(QLatin1String(b.name), QLatin1String(b.schluessel), m_bilder, m_sspSymbole);
        k->setToolTip(QString::fromUtf8(b.tipp));
        m_sspSymbole->addWidget(k);
        m_knoepfe.hinzufuegen(k);
        connect(k, &Bildknopf::mausDarueber, this, [this](Bildknopf* knopf) { m_knoepfe.mausUeberKnopf(knopf); });
    }
    connect(knopf(QStringLiteral("cmdNew")), &Bildknopf::geklickt, this, &mdiHauptform::NeueDatenbankBefehl);
    connect(knopf(QStringLiteral("cmdOpen")), &Bildknopf::geklickt, this, &mdiHauptform::DatenbankOeffnenBefehl);
    connect(knopf(QStringLiteral("cmdBrowser")), &Bildknopf::geklickt, this, &mdiHauptform::BrowserBefehl);
    connect(knopf(QStringLiteral("cmdListe")), &Bildknopf::geklickt, this, &mdiHauptform::mnuBilderListe_Click);
    connect(knopf(QStringLiteral("cmdAlbum")), &Bildknopf::geklickt, aktion(QStringLiteral("mnuOrdnerUebernehmen")),
        &QAction::trigger);
    connect(knopf(QStringLiteral("cmdSuche")), &Bildknopf::geklickt, this, &mdiHauptform::SucheBefehl);
    connect(knopf(QStringLiteral("cmdQuen")), &Bildknopf::geklickt, this, &mdiHauptform::UeberBefehl);
    connect(knopf(QStringLiteral("cmdPraesentation")), &Bildknopf::geklickt, aktion(QStringLiteral("mnuPraeOeffnen")),
        &QAction::trigger);
}

QAction* mdiHauptform::aktion(const QString& name) const
{
    return m_aktionen.value(name);
}

QMenu* mdiHauptform::menue(const QString& name) const
{
    return m_menues.value(name);
}

Bildknopf* mdiHauptform::knopf(const QString& name) const
{
    for (Bildknopf* k : m_knoepfe.knoepfe()) {
        if (k->objectName() == name)
            return k;
    }
    return nullptr;
}

QString mdiHauptform::statusfeld(int nummer) const
{
    return nummer == 1 ? m_status1->text() : m_status2->text();
}

void mdiHauptform::NormaleButtons()
{
    m_knoepfe.NormaleButtons();
}

bool mdiHauptform::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseMove && (objekt == m_sspSymbole || objekt == m_flaeche->viewport())) {
        // Over the toolbar panel or the empty frame every hover picture goes.
        m_knoepfe.mausUeberFlaeche();
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

Fenstergeometrie mdiHauptform::geometrie() const
{
    const QRect normal = (isMaximized() || isMinimized()) && normalGeometry().isValid() ? normalGeometry() : geometry();
    Fenstergeometrie g;
    g.links = Twips::ausPixel(normal.x());
    g.oben = Twips::ausPixel(normal.y());
    g.breite = Twips::ausPixel(normal.width());
    g.hoehe = Twips::ausPixel(normal.height());
    g.status = isMinimized() ? Fenstergeometrie::Minimiert
        : isMaximized()      ? Fenstergeometrie::Maximiert
                             : Fenstergeometrie::Normal;
    return g;
}

void mdiHauptform::geometrieAnwenden(const Fenstergeometrie& g)
{
    QList<QRect> bildschirme;
    for (const QScreen* b : QGuiApplication::screens())
        bildschirme << b->availableGeometry();
    setGeometry(FensterAufBildschirm(
        QRect(Twips::zuPixel(g.links), Twips::zuPixel(g.oben), Twips::zuPixel(g.breite), Twips::zuPixel(g.hoehe)),
        bildschirme));
    if (g.status == Fenstergeometrie::Maximiert)
        setWindowState(Qt::WindowMaximized);
    else if (g.status == Fenstergeometrie::Minimiert)
        setWindowState(Qt::WindowMinimized);
    m_letzteGroesse = QSize(g.breite, g.hoehe);
}

bool mdiHauptform::Laden()
{
    const GeladeneEinstellungen e = EinstellungenLaden(m_registry);
    z.einstellungen = e.optionen;
    z.aktuelleDatenbank = e.aktuelleDatenbank;
    geometrieAnwenden(e.geometrie);

    if (!z.einstellungen.MdacOK && !MdacTest(z))
        return false;
    m_einstellungenSpeichern = true;

    const QString pfad = z.aktuelleDatenbank.trimmed().isEmpty() ? QString() : z.aktuelleDatenbank;
    z.aktuelleDatenbank.clear();
    if (!pfad.isEmpty() && !datenbankOeffnenMit(pfad))
        m_datenbankBeimStart = pfad;
    return true;
}

void mdiHauptform::KindfensterSchliessen()
{
    const QList<QMdiSubWindow*> fenster = m_flaeche->subWindowList();
    for (QMdiSubWindow* f : fenster)
        f->close();
}

void mdiHauptform::closeEvent(QCloseEvent* e)
{
    // The viewer writes a pending remark as it closes, while the collection is still open.
    KindfensterSchliessen();
    frmHilfe::schliessen();
    if (m_einstellungenSpeichern) {
        EinstellungenSpeichern(m_registry, z.programmordner,
                               z.aktuelleDatenbank.isEmpty() ? m_datenbankBeimStart : z.aktuelleDatenbank,
                               geometrie(), z.einstellungen, z.versionstext);
        m_einstellungenSpeichern = false;
    }
    e->accept();
}

void mdiHauptform::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    m_timResize.stop();
    m_timResize.start();
}

void mdiHauptform::timResizeAbgelaufen()
{
    const QSize jetzt(Twips::ausPixel(width()), Twips::ausPixel(height()));
    if (!isMinimized()) {
        if (jetzt.width() != m_letzteGroesse.width() && jetzt.width() < MindestBreiteTwips)
            resize(Twips::zuPixel(MindestBreiteTwips), height());
        if (jetzt.height() != m_letzteGroesse.height() && jetzt.height() < MindestHoeheTwips)
            resize(width(), Twips::zuPixel(MindestHoeheTwips));
    }
    m_letzteGroesse = QSize(Twips::ausPixel(width()), Twips::ausPixel(height()));
}
