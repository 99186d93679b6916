#pragma once
// The choices and the lever's angle range of the valve gear, kept within what
// the reversing slider and the solver can work with. The dialog and a loaded
// machine file share these rules.

#include "core/model/Modell.h"

namespace vapro {

// UmMin within -360 ... 360, UmMax within 0 ... 360, and UmMin never above UmMax.
void UmsteuerwinkelReparieren(Modell& m);

// The angle range as above; the slider's sign is -1 or else +1; the gear
// type and the admission side are 1 or else 0.
void UmsteuerungReparieren(Modell& m);

} // namespace vapro
