#pragma once
#include <QDialog>

class QLabel;

// The notice shown while a folder's pictures are entered, copied or moved:
// "Gleich geht es weiter!" and what is happening. Not modal; it only has
// to be painted before the work starts.
class frmCopyInfo : public QDialog {
    Q_OBJECT
public:
    frmCopyInfo(const QString& art, QWidget* parent = nullptr);
    // Shows it centred over the main window and paints it at once.
    void anzeigen();

    QLabel* lblArt = nullptr;
};
