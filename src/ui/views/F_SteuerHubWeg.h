#pragma once
// Valve travel over piston travel: the crank-angle graph's twin, with its own
// caption, settings keys and help, and one revolution as twice the stroke.

#include "ui/views/F_SteuerHub.h"

namespace vapro {

class F_SteuerHubWeg : public F_SteuerHub {
  public:
    explicit F_SteuerHubWeg(Kontext& k, QWidget* eltern = nullptr);
};

} // namespace vapro
