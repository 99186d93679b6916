#pragma once
// The flat slide valve, entered either by its geometry (cavity height and the
// two running faces) or by its four laps; the other set is derived from the
// entered one and the port face. Only the entered set is in the tab order and
// painted white; the derived set may be typed into but is overwritten.

#include "ui/dialogs/Dialograhmen.h"

class QRadioButton;

namespace vapro {

class F_Schieber : public Dialograhmen {
  public:
    explicit F_Schieber(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    void MZ() override;
    // Derives the set not entered, then fills every field.
    void Einschreiben() override;
    // The entered set, the body and cavity depth (a cavity as deep as the
    // body is made shallower, with a message), the valve-rod length.
    void Übernehmen() override;

    // Switching the entry mode changes no value until the next apply.
    void O_Schiebergeometrie_Click();
    void O_Überdeckung_Click();

    // Whether this window edits that model.
    bool Bearbeitet(const Modell& m) const { return &k.m == &m; }

    QRadioButton* O_Schiebergeometrie;
    QRadioButton* O_Überdeckung;

  protected:
    void EingabefehlerMelden() override;

  private:
    bool Überdeckungsorientiert() const;
    // Tab order, mouse pointer and painting of the two sets.
    void ModusZeigen();
};

} // namespace vapro
