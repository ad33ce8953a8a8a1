#pragma once
#include <QTimer>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;
struct Programmzustand;

// The drive-and-folder choice of the settings and exchange dialogs: a list
// of the volumes (`drvLaufwerk`) and the folder tree of the chosen one
// (`dirVerzeichnisse`). The folder highlighted in the tree, by mouse or by
// keyboard, is the chosen folder. A volume that cannot be read is refused
// with "Laufwerk nicht bereit!" and the list goes back to the volume of the
// chosen folder.
//
// The model reads folders in the background and reads them again whenever
// they change. The tree is centred on a preset folder once, when its way has
// been read, and only if the user has not touched the tree by then; it never
// moves on its own after that, so the row under the pointer stays the row
// the user aimed at.
class Ordnerauswahl : public QWidget {
    Q_OBJECT
public:
    explicit Ordnerauswahl(const Programmzustand& z, QWidget* parent = nullptr);

    // The chosen folder, ending with "/"; "" before any choice.
    QString pfad() const { return m_pfad; }
    // Chooses the folder: its volume in the list, the tree opened down to it.
    void pfadSetzen(const QString& ordner);

    QComboBox* drvLaufwerk = nullptr;
    QTreeView* dirVerzeichnisse = nullptr;

signals:
    void pfadGeaendert(const QString& ordner);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void drvLaufwerk_Change();
    void laufwerkZeigen(const QString& wurzel);
    // Opens the tree down to the preset folder.
    void wegOeffnen();
    // Marks the preset folder and centres it, once, when it is read and shown.
    void vorgabeZentrieren();
    void angefasst();
    void gewaehlt(const QString& ordner);
    int laufwerkIndex(const QString& ordner) const;

    const Programmzustand& m_z;
    QFileSystemModel* m_modell = nullptr;
    QString m_pfad;
    int m_laufwerkVorher = -1;
    bool m_vorgabeOffen = false;  // the preset is still to be centred
    QTimer m_zentrieren;          // waits until the reading of the way has settled
};
