#pragma once
#include <QDialog>

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
