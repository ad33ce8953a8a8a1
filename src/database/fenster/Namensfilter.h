#pragma once
#include <QObject>

class QLineEdit;

// Keeps the characters that no folder name may hold (| \ / : * ? " < >)
// out of a name box: a typed one beeps and is dropped, and so are those in
// pasted or dropped text, so the box never holds one.
class Namensfilter : public QObject {
    Q_OBJECT
public:
    explicit Namensfilter(QLineEdit* feld);

signals:
    // After characters were dropped (and the beep).
    void abgewiesen();

private:
    void bearbeitet(const QString& text);

    QLineEdit* m_feld;
};
