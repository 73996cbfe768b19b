#pragma once
// One complete calculation of the wall from what the main window shows, and
// the step that reads and accepts the fields, which the calculation and the
// reinforcement report both run first. Messages go through tavo::messaggi().

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

// Reads the fields (LeggeDatiControllati), builds the section, runs the
// overturning, sliding, soil-pressure and stem checks in every combination,
// and lists the governing results in the main window's result boxes.
//
// Returns true when the calculation ran to its end. False, after one
// message with the critical-stop icon, when the fields are refused, or when:
// - the ground is too steep for the design friction angle: the thrust
//   search's own message;
// - a calculation error stops a routine, a result is not finite, or any
//   other exception leaves a routine called from here: "ERRORE! Controllare
//   i dati".
// A refused run leaves the derived state of the previous run untouched; a
// run stopped by an error leaves it partly rewritten, but nothing that is
// not finite is listed.
bool CalcoloMain(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra);

// Reads the main window's fields into the project state and accepts them,
// so that a refused wall gives the same single message wherever the user
// started. True when the fields describe a wall that can be computed; false
// after exactly one message (critical-stop icon) when:
// - a field cannot be read: the message that names it, or "ERRORE!
//   Controllare i dati" when none is named;
// - the profile has no side: "Inserire profilo terreno", and the focus goes
//   to the side-count box;
// - the last side's run is below (h1 + H + h3)/100 (a negative run too):
//   "Lunghezza del segmento N del profilo terreno troppo piccola";
// - a side reaches beyond 1000 km, naming it;
// - the section cannot exist (a negative or zero dimension, a negative toe,
//   a friction angle outside 0°..90°): the message of DifettoSezione, which
//   names the field.
// The fields read stay in the state, refused or not; nothing derived is
// touched. A check is one entry of the list of checks in CalcoloMain.cpp.
bool LeggeDatiControllati(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra);

}  // namespace tavo
