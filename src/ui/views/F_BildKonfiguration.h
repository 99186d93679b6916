#pragma once
// Settings of the engine picture: margins, pen widths and joint sizes, the
// distance of the valve-gear drawing, the optional elements and four
// horizontal help lines. Every check box applies the whole window at once.

#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

class F_BildKonfiguration : public Dialograhmen {
  public:
    explicit F_BildKonfiguration(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    void MZ() override;

  protected:
    // Each background change counts as a change of the data set.
    void FarbeGeändert() override { DatensatzGeändert(); }
};

} // namespace vapro
