#pragma once
#include <QDialog>
#include <QEvent>

#include <memory>
#include <vector>

class QLabel;

// The notice shown while a folder's pictures are entered, copied or moved:
// "Gleich geht es weiter!" and what is happening. Shown without a loop of
// its own, but modal, so the other windows take no input meanwhile.
class frmCopyInfo : public QDialog {
    Q_OBJECT
public:
    frmCopyInfo(const QString& art, QWidget* parent = nullptr);
    // Shows it centred over the main window and paints it at once.
    void anzeigen();

    QLabel* lblArt = nullptr;
};

// Keeps the keys typed while the notice shows (the import runs meanwhile and
// the notice would swallow them) and hands them on afterwards: to the next
// name query, which then holds what the user typed ahead, or to the window
// that has the focus when the import ends.
class Tastenpuffer : public QObject {
public:
    ~Tastenpuffer() override;
    void sammeln(bool an);
    // Sends the kept keys to the widget, in the order typed, and forgets them.
    void abgeben(QWidget* ziel);
    bool leer() const { return m_tasten.empty(); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::vector<std::unique_ptr<QEvent>> m_tasten;
    bool m_an = false;
};
