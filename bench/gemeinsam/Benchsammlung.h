#pragma once
#include <QString>
#include <QVector>

// A collection whose only album "1" ("Gross") holds n pictures named
// bild00000.jpg ... in a scrambled order, made in one transaction.
void GrosseSammlungMachen(const QString& pfad, int n);

// The middle of the measured values.
double Median(QVector<double> werte);
