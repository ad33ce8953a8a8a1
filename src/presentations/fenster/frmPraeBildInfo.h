#pragma once
#include <QDialog>

class QLabel;

// The small box that says which file and album a storyboard picture comes
// from. Any press on it, or OK, closes it.
class frmPraeBildInfo : public QDialog {
    Q_OBJECT
public:
    frmPraeBildInfo(const QString& bildName, const QString& albumName, QWidget* eltern = nullptr);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
