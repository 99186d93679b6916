#include "ui/views/F_SteuerHubWeg.h"

#include "ui/platform/Hilfethemen.h"

namespace vapro {

F_SteuerHubWeg::F_SteuerHubWeg(Kontext& k, QWidget* eltern)
    : F_SteuerHub(k, Hubachse::Kolbenweg,
                  {.stamm = "SteuerHubWeg",
                   .vorgabeTwips = 290,
                   .titel = 190,
                   .hilfe = HilfeKontext::SteuerHubWeg,
                   .farbe = &Modell::FarbeSteuerHub},
                  190, eltern) {}

} // namespace vapro
