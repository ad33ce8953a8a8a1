#pragma once

class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;

// The frame of a view in the main window's area, or nullptr while it has none.
QMdiSubWindow* rahmen(QWidget* w);
// The frame whose view carries that object name, or nullptr.
QMdiSubWindow* unterfenster(QMdiArea* flaeche, const QString& name);
