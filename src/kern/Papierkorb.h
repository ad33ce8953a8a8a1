#pragma once
#include <QString>

// Moving a file to the desktop's trash, and only there. Qt may report a
// file as trashed when it could make no trash folder and moved the file
// somewhere else (a "files/" folder in the working folder was seen); this
// checks where the file went and puts it back when that is not a trash.
namespace Papierkorb {

// True when the file now lies in a trash folder of the user ($XDG_DATA_HOME/
// Trash or a volume's .Trash-UID / .Trash/UID); otherwise the file is where
// it was and the result is false.
bool Verschieben(const QString& pfad);

}  // namespace Papierkorb
