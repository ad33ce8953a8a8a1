#pragma once
#include "StoryboardModell.h"

#include <QWidget>

class QLabel;
class QScrollBar;
class Storyboardstreifen;
struct Datenbankobjekte;
struct Programmzustand;

// The storyboard of the current presentation: its title, the strip of
// thumbnails and the scroll bar (range 0..1000) that moves the strip when
// it is wider than the window. Edits go through the model; the menus
// belong to the main window, which the two signals ask to show them.
class frmPraesentationStoryboard : public QWidget {
    Q_OBJECT
public:
    frmPraesentationStoryboard(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmPraesentationStoryboard() override;

    // Reloads the presentation of the state and lays the strip out again.
    void SBNeuAnzeigen();
    void hscListeEinrichten();
    void TitelSetzen(const QString& name);
    // The info box for the pressed picture, beside it.
    void BildInfo();
    // Removes the pressed picture.
    void GedruecktesLoeschen();
    int gedrueckt() const { return m_gedrueckt; }

    StoryboardModell& modell() { return m_modell; }
    Storyboardstreifen& streifen() { return *m_streifen; }
    QScrollBar& laufleiste() { return *m_hscLaufleiste; }

    // Client area as designed: 9300 x 2265 twips; only the height is fixed.
    static constexpr int HoeheTwips = 2265;

signals:
    void bildMenue(const QPoint& global);
    void praesentationsMenue(const QPoint& global);
    void geschlossen();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Programmzustand& z;
    Datenbankobjekte& db;
    StoryboardModell m_modell;
    QLabel* m_lblTitel = nullptr;
    Storyboardstreifen* m_streifen = nullptr;
    QScrollBar* m_hscLaufleiste = nullptr;
    int m_gedrueckt = 0;
    QPoint m_infoPunkt;
};
