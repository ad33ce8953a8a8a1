#pragma once
#include <QCache>
#include <QImage>
#include <QWidget>

class StoryboardModell;

// The strip of the storyboard (fraStoryBoard): one cell per picture and a
// last cell for appending, each followed by a narrow gap, at the pitch of
// 1200 + 135 twips. Only the cells in view are painted; thumbnails come
// from a small cache, decoded small. Drops go into a gap or onto a picture;
// pictures of the strip are dragged to move them. A right-click opens one
// menu: a picture's, none on the append cell, the presentation's elsewhere.
class Storyboardstreifen : public QWidget {
    Q_OBJECT
public:
    // Where something lands: picture cell i (n + 1 = the append cell) or the gap after it.
    struct Ziel {
        enum Art { Keins, Bild, Luecke } art = Keins;
        int index = 0;
    };

    Storyboardstreifen(StoryboardModell& modell, const QString& neuesBild, QWidget* eltern = nullptr);

    // Left edge of the whole row relative to this widget (scrolling), in pixels.
    void linksSetzen(int links);
    int links() const { return m_links; }
    // Width of the whole row in pixels: ((1200 + 135) * (n + 1) + 2 * 120) twips.
    int rahmenbreite() const;
    Ziel zielBei(const QPoint& punkt) const;
    QRect bildRechteck(int index) const;

    // The drop's edit, as a drop on that target does it; false when nothing changed.
    bool Ablegen(const Ziel& ziel, int quelle, const QString& dbNummer);

    static QString InternerMimeTyp();

signals:
    void bildMenue(int index, const QPoint& global);
    void praesentationsMenue(const QPoint& global);
    void bearbeitet();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    const QImage& vorschau(const QString& pfad);
    const QImage& zellenbild(int position);
    double proPixel() const;

    StoryboardModell& m_modell;
    QImage m_neuesBild;
    QCache<QString, QImage> m_cache;
    QImage m_leer;
    int m_links = 4;
    int m_gedrueckt = 0;  // the picture last pressed
    QPoint m_druckPunkt;
    Ziel m_markiert;  // where a drag would land, drawn while it passes
};
