#pragma once
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;
struct Programmzustand;

// The drive-and-folder choice of the settings and exchange dialogs: a list
// of the volumes (`drvLaufwerk`) and the folder tree of the chosen one
// (`dirVerzeichnisse`). A click on a folder makes it the chosen folder. A
// volume that cannot be read is refused with "Laufwerk nicht bereit!" and
// the list goes back to the volume of the chosen folder.
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

private:
    void drvLaufwerk_Change();
    void laufwerkZeigen(const QString& wurzel);
    // Opens the tree down to the chosen folder and marks it, as far as it is read.
    void ordnerZeigen();
    int laufwerkIndex(const QString& ordner) const;

    const Programmzustand& m_z;
    QFileSystemModel* m_modell = nullptr;
    QString m_pfad;
    int m_laufwerkVorher = -1;
};
