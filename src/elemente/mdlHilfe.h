#pragma once
#include <QString>

class QWidget;
struct Programmzustand;

// Help by topic: the German HTML pages beside the program, shown in the
// program's own help window.
namespace mdlHilfe {

// Opens the help window at the topic page ("suche.htm"); an empty topic
// opens the start page. Without any help pages the user is told so.
void HilfeZeigen(const Programmzustand& zustand, const QString& thema);

// F1 anywhere in the window opens its topic, also in a window inside it that
// has none of its own; the key press does not reach the control that has the
// focus. A window inside another with a topic of its own opens that one.
void HilfeTasteEinrichten(QWidget* fenster, const Programmzustand& zustand, const QString& thema);

}  // namespace mdlHilfe
