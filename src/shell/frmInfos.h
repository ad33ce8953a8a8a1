#pragma once
#include <QDialog>

struct Programmzustand;

// The about box: program version, picture and maker.
class frmInfos : public QDialog {
    Q_OBJECT
public:
    frmInfos(const Programmzustand& zustand, QWidget* eltern);
};
