#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

// The start window: shows the start picture until the user clicks it or
// five seconds have passed, then hands over to the main window, once.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(std::function<void()> hauptfensterZeigen);
    QTimer& Timer1() { return m_timer; }

protected:
    void mousePressEvent(QMouseEvent*) override;

private:
    void beenden();
    QTimer m_timer;
    std::function<void()> m_hauptfensterZeigen;
};
