#pragma once
// One complete calculation of the wall from what the main window shows:
// reads the fields into the project state, checks the ground profile,
// builds the section, runs the overturning, sliding, soil-pressure and stem
// checks in every combination, and lists the governing results in the main
// window's result boxes. Messages go through tavo::messaggi().
//
// Returns true when the calculation ran to its end. False, after a message
// with the critical-stop icon, when:
// - the profile has no side: "Inserire profilo terreno", and the focus goes
//   to the side-count box;
// - the last side's run is below (h1 + H + h3)/100 (a negative run too):
//   "Lunghezza del segmento N del profilo terreno troppo piccola";
// - the section cannot exist (a negative or zero dimension, a negative toe,
//   a friction angle outside 0°..90°): the message of DifettoSezione, which
//   names the field;
// - the ground is too steep for the design friction angle: the thrust
//   search's own message;
// - a field cannot be read, a calculation error stops a routine, a result
//   is not finite, or any other exception leaves a routine called from
//   here: "ERRORE! Controllare i dati".
// A refused run leaves the derived state of the previous run untouched; a
// run stopped by an error leaves it partly rewritten, but nothing that is
// not finite is listed.

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

bool CalcoloMain(VariabiliPubbliche& v, NTC& sisma, FinestraPrincipalePort& finestra);

}  // namespace tavo
