#pragma once
#include "Diaschaufolge.h"
#include "Diaschauleser.h"

#include <QHash>
#include <QImage>
#include <QWidget>
#include <memory>

class QLabel;
struct Datenbankobjekte;
struct Programmzustand;

// The slide show over the whole screen. The sequence decides which picture
// comes; this window shows it centred, fitted as the settings say, with the
// position text and the Escape hint. Pictures are decoded ahead on a worker
// thread (the next in the direction of travel and the previous one), so a
// step shows a picture already decoded; a step never waits for a decode.
class frmPraesentationAnzeige : public QWidget {
    Q_OBJECT
public:
    // Reads the open presentation; starts at z.praesentationStartposition.
    frmPraesentationAnzeige(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmPraesentationAnzeige() override;

    const Diaschaufolge& folge() const { return m_folge; }
    QString anzeigetext() const;
    // Shows the picture at the sequence's position (asking for a CD when needed).
    void BildAnzeigen();
    void Schritt(Diaschaufolge::Schritt schritt);
    // The current picture has been painted since its step.
    bool bildGezeigt() const { return m_gezeigt; }

signals:
    // The picture of the current step is on the screen (for measurements).
    void bildGemalt(int position);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void gelesen(int position, const QString& pfad, const QImage& bild);
    void vorauslesen();
    QString pfadFuer(int position) const;

    Programmzustand& z;
    Datenbankobjekte& db;
    QVector<Diaschaubild> m_bilder;
    Diaschaufolge m_folge;
    std::unique_ptr<Diaschauleser> m_leser;
    QHash<int, QImage> m_gelesen;  // the current picture and its neighbours, decoded
    QLabel* m_lblAnzeige = nullptr;
    QLabel* m_lblEscape = nullptr;
    bool m_gezeigt = false;
    bool m_gestartet = false;
    bool m_wartet = false;  // wait cursor set until the current picture arrives
};
