#pragma once
#include "BilderListeModell.h"
#include "Bilderpflege.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class Bilderlistenfeld;
class QLabel;
class QProgressDialog;
class QPushButton;
class QScrollBar;
struct Datenbankobjekte;
struct Programmzustand;

// The picture list: the file names of the current album's pictures, one
// entry per row of rsAlbum in its order. Marking by click, Shift and Ctrl;
// a click makes the picture current for the other views; entries are
// dragged into a presentation; marked pictures are deleted and picture
// files added. The marks live in its model, which the other views read.
class frmBilderListe : public QWidget {
    Q_OBJECT
public:
    frmBilderListe(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmBilderListe() override;

    BilderListeModell& modell() { return m_modell; }
    const BilderListeModell& modell() const { return m_modell; }

    void ListeAuffuellen();
    void BildLoeschen();
    void Hinzufuegen();
    void NeueBilderEintragen(const QStringList& dateien);
    void NormaleTextfelder(int position);
    int AnzahlMarkierteFelder() const { return m_modell.AnzahlMarkierteFelder(); }
    void vscListeEinrichten();
    void ListeMarkierungNachfuehren();
    void BegrenzungenAnzeigen();
    double VerhaeltnisTwipPixel_Hoehe() const;
    // Activation: frame lines and scroll bar.
    void Aktivieren();

    // A mouse press and a double click on entry i, as the panel reports them.
    void EintragGedrueckt(int position, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, const QPoint& global);
    void EintragDoppelklick(int position);
    // An arrow, Page or Home/End key in the list: the current picture moves,
    // with Shift the marks reach from the anchor to it.
    void TasteGedrueckt(int taste, Qt::KeyboardModifiers tasten);

    // "1" while the list is shown, "0" while it is hidden.
    QString tag = QStringLiteral("1");

    // The file dialog of "Hinzufügen": full paths, empty on Cancel. Tests put in their own.
    std::function<QStringList()> dateienWaehlen;

    Bilderlistenfeld* feld() const { return m_feld; }
    QScrollBar* scrollbalken() const { return m_vscListe; }

signals:
    // Closed by the user or the frame; it is deleted a little later.
    void geschlossen();
    // Right click on a marked entry: the main window's menu for marked pictures.
    void kontextmenueGewuenscht(const QPoint& global);

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void aufbauen();
    QStringList dateidialog();
    void ziehen(int position);
    void sichtbarMachen(int position);
    // The picture at the position becomes current in every open view.
    void aktuellesBildSetzen(int position);
    void ansichtenNachAenderung();
    // The progress of a long deletion or addition in a dialog that appears
    // only once the work has started and takes a while.
    Pflegefortschritt fortschrittAnzeigen(
        const QString& titel, const QString& text, std::unique_ptr<QProgressDialog>& dialog);

    Programmzustand& z;
    Datenbankobjekte& db;
    BilderListeModell m_modell;
    QLabel* m_lblTabellenname = nullptr;
    Bilderlistenfeld* m_feld = nullptr;
    QScrollBar* m_vscListe = nullptr;
    QPushButton* m_cmdLoeschen = nullptr;
    QPushButton* m_cmdHinzufuegen = nullptr;
    bool m_mehrfachHinweis = false;
    bool m_geschlossen = false;
    int m_zugStart = 0;
};
