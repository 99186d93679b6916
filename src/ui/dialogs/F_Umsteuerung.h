#pragma once
// The valve gear: eccentrics and their rods, the expansion link, the
// suspension link, the reversing lever with its angle range, and three
// choices (admission side, link motion or a single fixed eccentric, the
// direction of the reversing slider). A choice applies the whole window at
// once; the gear type decides which fields exist here and in the main window.

#include <functional>

#include "ui/dialogs/Dialograhmen.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace vapro {

class Getriebeskizze;

class F_Umsteuerung : public Dialograhmen {
  public:
    explicit F_Umsteuerung(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    void MZ() override;
    // The fields, the choices, the main window's reversing slider (whose
    // range follows the angle range), then the visibility of the link fields.
    void Einschreiben() override;
    void Übernehmen() override;
    // Shows the link-motion fields exactly when the gear has a link; the main
    // window's reversing controls follow in its Slider_UmWinkel_Einstellen.
    void SichtbarkeitSetzen();

    // The main window's slider range and the visibility of its reversing
    // controls; set by the main window, empty when the dialog runs alone.
    std::function<void()> Slider_UmWinkel_Einstellen;

    QGroupBox *Fr_Einströmung, *Fr_Umsteuertyp;
    QRadioButton *O_Außen, *O_Innen, *O_UmJa, *O_UmNein;
    QCheckBox* C_Vorzeichen;
    Getriebeskizze* Skizze;
};

} // namespace vapro
