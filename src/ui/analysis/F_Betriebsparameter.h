#pragma once
// Steam conditions and running speed, and what the engine does at that
// speed: volumes, steam use, saturation data, mean pressure, power, torque
// and piston speed. Follows the running engine step by step.

#include <optional>
#include <utility>
#include <vector>

#include "core/analysis/Dampfdiagramm.h"
#include "core/analysis/Dampftafel.h"
#include "core/model/Bewegung.h"
#include "ui/dialogs/Dialograhmen.h"

class QLabel;
class QSlider;
class QTableWidget;

namespace vapro {

class F_Betriebsparameter : public Dialograhmen {
  public:
    explicit F_Betriebsparameter(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // Inputs and read-outs: on opening, after an apply, a load or a change of unit.
    void Einschreiben() override;
    // The typed inputs under their limits; a text that is not a number stops
    // the reading there, the inputs before it stay stored.
    void Übernehmen() override;

    // Read-outs only, so that what the user is typing stays in the fields.
    void Auffrischen();
    // One animation step: a refresh when the engine changed since the last one.
    void SchrittMalen() override;
    void S_Drehzahl_scroll(int wert);

    QSlider* S_Drehzahl;
    QLabel *A_Drehzahl, *A_DrehzahlBei;
    QTableWidget* G_Hub;
    QLabel *A_Dampfvolumen, *A_DampfvolumenLiter, *A_DampfvolumenKubikmeter, *A_DampfvolumenStunde;
    QLabel *A_Druck, *A_Sättigungstemperatur, *A_V2Strich, *A_DampfgewichtMin,
        *A_DampfgewichtStunde;
    QLabel *TE_PMittel, *A_LeistungPS, *A_LeistungHP, *A_LeistungKW;
    QLabel *A_WellenleistungPS, *A_WellenleistungHP, *A_WellenleistungKW;
    QLabel *A_DrehmomentNm, *A_DrehmomentFtLb, *A_Kolbengeschwindigkeit;

  protected:
    void EingabefehlerMelden() override;
    void GeometriefehlerMelden(const GeometrieFehler& fehler) override;

  private:
    void SchiebereglerEinrichten();
    void EinheitenZeigen();
    // The frame of the steam diagram the mean pressure is taken from.
    Diagrammrahmen DiagrammrahmenFürPM() const;

    // Captions that follow the language: label and German text number.
    std::vector<std::pair<QLabel*, int>> beschriftungen_;
    std::vector<std::pair<class QGroupBox*, int>> gruppen_;
    std::vector<QLabel*> drehzahlSchilder_;
    // Unit labels that follow the unit system.
    QLabel *schildPO1_, *schildPO2_, *schildStrom_[4], *schildGewicht_[2], *schildDruck_,
        *schildTemperatur_, *schildSpezVolumen_, *schildPM_, *schildKolben_;
    // The engine the valve events were last searched for.
    std::optional<Ansichtsstand> stand_;
    // The engine the last step refreshed for, found or not.
    std::optional<Ansichtsstand> versucht_;
    bool imSchritt_ = false;
};

} // namespace vapro
