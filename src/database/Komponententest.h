#pragma once
#include <QDir>
#include <QString>

struct Programmzustand;

// Tests the database components once: creates, fills and deletes a small
// database in a temporary folder. On success "MdacOK" becomes true; on
// failure the user is told (and may start the installer when one is
// shipped) and the result is false: the caller ends the program without
// writing settings.
bool MdacTest(Programmzustand& zustand, const QString& testordner = QDir::tempPath());
