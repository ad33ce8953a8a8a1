#pragma once
#include "Albenanzeigelogik.h"
#include "Knopfgruppe.h"

#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>

class Bildknopf;
class Bildliste;
class QCalendarWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
struct Datenbankobjekte;
struct Programmzustand;

// The album viewer: one picture of the current album at a time, the one at
// rsAlbum's current row, with a small preview, its name, date, keywords,
// remark and where the file lies. Steps through the album, changes the
// date and keeps the remark until a view moves away from the picture.
// It never keeps a cursor of its own: whoever moves rsAlbum asks it to
// show the picture again.
class frmAlbenAnzeige : public QWidget {
    Q_OBJECT
public:
    frmAlbenAnzeige(Programmzustand& zustand, Datenbankobjekte& db, const Bildliste& bilder, QWidget* eltern = nullptr);
    ~frmAlbenAnzeige() override;

    // A key was pressed in the remark since it was last written.
    bool Aenderung = false;
    // Side of the square box the preview is fitted into, in pixels.
    int BildRahmen = 160;
    QString AktiverButton() const { return m_knoepfe.knopfUnterMaus(); }

    void NeuesAlbum();
    void BildAnzeigen();
    void NaviPruefung();
    void NormaleButtons();
    // The pointer left the viewer's buttons for the frame: no button is under it.
    void AktiverButtonLeeren();
    void BegrenzungenAnzeigen();
    QString BegriffeAuflisten();
    double VerhaeltnisTwipPixel_Hoehe() const;
    double VerhaeltnisTwipPixel_Breite() const;

    // Writes a pending remark to the picture it was typed for.
    void BemerkungSichern();
    // Activation: frame lines; the calendar on today.
    void Aktivieren();
    // After an album was chosen: the remark, date and keyword commands work.
    void BearbeitungFreigeben();
    // Read-only fields get the window's colour behind their text.
    static void gesperrtZeigen(QWidget* feld, bool gesperrt);
    // Shows no picture and locks everything: the album is about to go.
    void AnzeigeLeeren();
    // The keywords field shows the current picture's keywords anew.
    void BegriffeAktualisieren();

    using Schritt = Blaettern;
    void Navigieren(Schritt schritt);
    void cmdDatum_Click();
    void movBildDatum_Gewaehlt(const QDate& datum);
    void imgBild_Click();
    void cmdBegriffe_Click();

    // Shows the picture-directory settings dialog modally; the main window puts it in.
    std::function<void()> bilderverzeichnisWaehlen;

    bool zeigtBild() const { return m_bildGezeigt; }

signals:
    // Closed by the user or the frame; it is deleted a little later.
    void geschlossen();
    // An empty album has nothing to zoom into: the zoom view goes.
    void zoomAnsichtSchliessen();

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Bildkennung {
        QString album;
        QString dateiname;
        QString dbNummer;
        bool operator==(const Bildkennung& k) const
        {
            return album == k.album && dateiname == k.dateiname && dbNummer == k.dbNummer;
        }
    };

    void aufbauen();
    void knopfSperren(Bildknopf* knopf, bool gesperrt);
    void bildLeeren();
    void leeresAlbumZeigen();
    // Shows the current row; false when it asked to delete the row and did.
    bool zeileAnzeigen();
    void vorschauZeigen(const QString& pfad);
    void bemerkungSetzen(const QString& text);
    void bemerkungSperren(bool gesperrt);
    Bildkennung aktuelleKennung() const;
    // Writes one column of the current row; on failure a message naming the
    // picture (fehlertext with %1) and false.
    bool feldSchreiben(const QString& spalte, const QString& wert, const QString& fehlertext, const QString& titel);
    // The current picture as the user knows it: its full path, else its file name.
    QString bildBezeichnung();

    Programmzustand& z;
    Datenbankobjekte& db;
    const Bildliste& m_bilder;
    Knopfgruppe m_knoepfe;
    Bildkennung m_gezeigt;
    bool m_bildGezeigt = false;
    bool m_bemerkungWirdGesetzt = false;
    bool m_geschlossen = false;

    QScrollArea* m_rollbereich = nullptr;
    QFrame* m_bildkasten = nullptr;
    QLabel* m_imgBild = nullptr;
    QLineEdit* m_txtBildname = nullptr;
    QLineEdit* m_txtBilddatum = nullptr;
    QLineEdit* m_txtBegriffe = nullptr;
    QPlainTextEdit* m_txtBemerkung = nullptr;
    QLabel* m_lblSpeicherOrt = nullptr;
    QPushButton* m_cmdDatum = nullptr;
    QCalendarWidget* m_movBildDatum = nullptr;
    QPushButton* m_cmdBegriffe = nullptr;
    Bildknopf* m_cmdFirst = nullptr;
    Bildknopf* m_cmdBack = nullptr;
    Bildknopf* m_cmdNext = nullptr;
    Bildknopf* m_cmdLast = nullptr;
};
