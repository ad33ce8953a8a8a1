#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

// The closing row of a settings or exchange dialog: "OK" (cmdOK, the
// default button; the dialog connects what it does) and "Abbrechen"
// (cmdAbbrechen, rejects the dialog), right-aligned. The caller adds the row
// to its layout.
QHBoxLayout* DialogknoepfeAnlegen(QDialog* dialog, QPushButton*& ok, QPushButton*& abbrechen);
