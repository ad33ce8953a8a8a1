#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Programmzustand;

// "Album hinzufügen": a folder tree with check boxes over one volume; each
// ticked folder becomes an album. The tree loads two levels ahead of what
// is shown, so an expand sign appears wherever a folder has subfolders. It
// never follows a linked folder, so a link pointing upwards cannot make it
// loop. The dialog only collects the folders; the import runs afterwards.
class frmOrdnerWaehlen : public QDialog {
    Q_OBJECT
public:
    explicit frmOrdnerWaehlen(const Programmzustand& z, QWidget* parent = nullptr);

    // The ticked folders after "Übernehmen", each ending with "/", depth-first.
    QStringList ausgewaehlteOrdner() const { return m_ausgewaehlt; }

    // The node of a folder below the root, loading the way to it; nullptr when there is none.
    QTreeWidgetItem* knoten(const QString& pfad);
    static QString pfadVon(const QTreeWidgetItem* knoten);

    QComboBox* Drive1 = nullptr;
    QTreeWidget* trvOrdner = nullptr;
    QPushButton* cmdUebernehmen = nullptr;
    QPushButton* cmdSchliessen = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Drive1_Change();
    void heimordnerZeigen();
    void ExpandTreeV(QTreeWidgetItem* knoten, bool anzeigen);
    void PlusMinusTreeV(QTreeWidgetItem* knoten);
    void trvOrdner_NodeClick(QTreeWidgetItem* knoten);
    void cmdUebernehmen_Click();
    QLabel* hinweisMitHaekchen();

    const Programmzustand& m_z;
    QStringList m_ausgewaehlt;
    QTreeWidgetItem* m_gedrueckt = nullptr;
    int m_hakenVorher = -1;
};
