#pragma once
#include "Albenanzeigelogik.h"
#include "Knopfgruppe.h"
#include "Zoomlogik.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class Bildknopf;
class Bildliste;
class QPushButton;
class QScrollBar;
struct Datenbankobjekte;
struct Programmzustand;

// The zoom view: rsAlbum's current picture large, fitted to the window or
// at its own size, enlarged and reduced in tenths of it, with scroll bars
// when it is larger than the display area. It steps through the album with
// the album viewer. The picture is decoded once per display, only as large
// as the display needs, and every zoom step paints from that one copy.
class frmBilder : public QWidget {
    Q_OBJECT
public:
    frmBilder(Programmzustand& zustand, Datenbankobjekte& db, const Bildliste& bilder, QWidget* eltern = nullptr);
    ~frmBilder() override;

    QString AktiverButton() const { return m_knoepfe.knopfUnterMaus(); }

    void BildAnzeigen();
    void NaviPruefung();
    void VGNaviPruefen();
    void LaufleistenUeberpruefung();
    std::int32_t Zoomfaktor() const { return m_rechnung.Zoomfaktor(); }
    void NormaleButtons();

    using Schritt = Blaettern;
    void Navigieren(Schritt schritt);
    void cmdGroesser_Click();
    void cmdKleiner_Click();
    void cmdOriginal_Click();
    void cmdAnpassen_Click();

    // Read by the frame and the tests.
    const Zoomrechnung& rechnung() const { return m_rechnung; }
    bool Anpassen() const { return m_anpassen; }
    QString BildPfad() const { return m_bildPfad; }
    QSize dekodiert() const { return m_bild.size(); }
    int dekodierungen() const { return m_dekodierungen; }
    Bildknopf* knopf(const QString& name) const;
    QScrollBar* hscBild() const { return m_hscBild; }
    QScrollBar* vscBild() const { return m_vscBild; }
    QWidget* picBildAnzeige() const { return m_picBildAnzeige; }
    // A scroll bar's thickness in pixels (315 twips).
    static int Leistendicke();

signals:
    void geschlossen();
    // The picture of a full display is on the screen.
    void gezeichnet();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    friend class Zoomflaeche;
    void aufbauen();
    void knopfSperren(Bildknopf* knopf, bool gesperrt);
    void captionSetzen();
    // Decodes the picture so that the image's size is covered, from the
    // file opened for this display; at most the original size.
    void aufloesungSicherstellen();
    void leistenPlatzieren();
    void anzeigeMalen(class QPainter& p);
    void timResizeAbgelaufen();

    Programmzustand& z;
    Datenbankobjekte& db;
    const Bildliste& m_bilder;
    Knopfgruppe m_knoepfe;
    Zoomrechnung m_rechnung;
    QImage m_bild;  // the one decoded picture the view paints from
    QSize m_originalPixel;  // the picture's size in pixels from its header
    QString m_bildPfad;
    bool m_anpassen = true;
    bool m_geladen = false;
    bool m_geschlossen = false;
    int m_dekodierungen = 0;
    QTimer m_timResize;

    QWidget* m_picBildAnzeige = nullptr;
    QScrollBar* m_hscBild = nullptr;
    QScrollBar* m_vscBild = nullptr;
    QWidget* m_picAbdeckung = nullptr;
    QPushButton* m_cmdSchliessen = nullptr;
    Bildknopf* m_cmdFirst = nullptr;
    Bildknopf* m_cmdBack = nullptr;
    Bildknopf* m_cmdNext = nullptr;
    Bildknopf* m_cmdLast = nullptr;
    Bildknopf* m_cmdOriginal = nullptr;
    Bildknopf* m_cmdAnpassen = nullptr;
    Bildknopf* m_cmdKleiner = nullptr;
    Bildknopf* m_cmdGroesser = nullptr;
};
