#pragma once
#include "Begriffstabelle.h"

#include <QComboBox>

// A drop-down list of keywords as every keyword window has it: entry 0 is
// "Bitte Begriff auswählen:", then the keywords, each carrying its number,
// so that a chosen keyword is found by number and never by its text.
class Begriffsliste : public QComboBox {
public:
    explicit Begriffsliste(const QString& name, QWidget* eltern = nullptr);
    void fuellen(const QVector<Begriff>& begriffe);
    // The chosen keyword's number; 0 while entry 0 is shown.
    qint64 gewaehlt() const;
    static QString Aufforderung();
};
