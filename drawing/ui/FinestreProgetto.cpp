#include "drawing/ui/FinestreProgetto.h"

namespace tavo {

void AvvisoProgetto::Avvisa() { emit cambiato(); }

}  // namespace tavo
