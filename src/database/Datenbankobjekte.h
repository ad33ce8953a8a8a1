#pragma once
#include "Recordset.h"
#include "Verbindung.h"

// The program-wide database objects: three connections and nine recordsets
// on the one open collection. They live for the whole run; opening another
// collection closes and sets them up again.
struct Datenbankobjekte {
    Verbindung conLesen;      // read-only access
    Verbindung conDaten;      // all reading and writing, and table changes
    Verbindung conErstellen;  // only while a new file is made

    Recordset rsDaten;           // the one row of `Daten`
    Recordset rsAlben;           // the albums
    Recordset rsBegriffe;        // the keywords
    Recordset rsAlbum;           // the current album's pictures; its current row is the current picture
    Recordset rsImport;          // the album being imported
    Recordset rsPraesentationen; // the presentations
    Recordset rsPraesentation;   // the open presentation
    Recordset rsNachschlagen;    // picture rows looked up by key, read-only
    Recordset rsBegriffeBild;    // keyword editing on picture tables

    // Closes everything, ignoring errors.
    void AllesSchliessen();
};
