#include "core/model/Umsteuerung.h"

#include <algorithm>

namespace vapro {

void UmsteuerwinkelReparieren(Modell& m) {
    m.UmMin = std::clamp(m.UmMin, -360.0f, 360.0f);
    m.UmMax = std::clamp(m.UmMax, 0.0f, 360.0f);
    if (m.UmMin > m.UmMax) m.UmMin = m.UmMax;
}

void UmsteuerungReparieren(Modell& m) {
    UmsteuerwinkelReparieren(m);
    // The dialog's check box knows only these two signs, its option buttons
    // only these two choices.
    if (m.Vorzeichen != -1) m.Vorzeichen = 1;
    if (m.Umsteuertyp != 1) m.Umsteuertyp = 0;
    if (m.Einströmung != 1) m.Einströmung = 0;
}

} // namespace vapro
