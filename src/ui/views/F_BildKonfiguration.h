#pragma once
// Settings of the engine picture: margins, pen widths and joint sizes, the
// distance of the valve-gear drawing, the optional elements and four
// horizontal help lines. Every check box applies the whole window at once.

#include <array>

#include "ui/dialogs/Dialograhmen.h"

class QCheckBox;
class QGroupBox;
class QLabel;

namespace vapro {

class F_BildKonfiguration : public Dialograhmen {
  public:
    explicit F_BildKonfiguration(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    void MZ() override;
    void Einschreiben() override;
    void Übernehmen() override;

    // Controls, in tab order.
    QLabel* T_Überschrift;
    QLabel *T_RandObenP, *T_RandUntenP, *T_RandLinksP;
    QLineEdit *E_RandObenP, *E_RandUntenP, *E_RandLinksP;
    std::array<QLabel*, 3> T_Prozent{};
    QGroupBox* Fr_Kurven;
    QLabel *T_LStärkeKurbel, *T_GelenkKurbel, *T_LStärkeSteuer, *T_GelenkSteuer, *T_LStärkeGelenke;
    QLineEdit *E_LStärkeKurbel, *E_GelenkKurbel, *E_LStärkeSteuer, *E_GelenkSteuer,
        *E_LStärkeGelenke;
    std::array<QLabel*, 5> T_Pixel{};
    QLabel *T_DEX, *T_Einheit;
    QLineEdit* E_DEX;
    QCheckBox *C_SpieJa, *C_KaJa, *C_ZusZei, *C_KolbenstangendickeJa, *C_UmKonturJa;
    std::array<QLabel*, 4> T_Hilfslinie{};
    std::array<QLineEdit*, 4> E_Hilfslinie{};
    QCheckBox* C_HilfslinienZeigen;

  protected:
    // Each background change counts as a change of the data set.
    void FarbeGeändert() override { DatensatzGeändert(); }

  private:
    std::array<QCheckBox*, 6> Kästchen() const;
};

} // namespace vapro
