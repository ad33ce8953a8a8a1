#pragma once

class QWidget;

// Keeps top-level windows whole on the screen: a window that would reach
// beyond the available area (taskbars and panels left out) is moved back
// and, when it is larger than the area, made smaller.
namespace Bildschirmrand {

// Moves and shrinks the window now, on the screen it is on (or the primary one).
void einpassen(QWidget* fenster);

// Does the same each time the window is shown: for windows that place
// themselves while they open, such as message boxes.
void beimZeigenEinpassen(QWidget* fenster);

} // namespace Bildschirmrand
