#pragma once
// Printing the engine picture: page orientation, page margins, the line
// widths and joint sizes of the printed drawing, and what the printer
// offers. The page is drawn during one frame of the engine, so it shows the
// engine where the animation stands.

#include <functional>

#include "ui/dialogs/Dialograhmen.h"

class QGroupBox;
class QLabel;
class QPrinter;
class QRadioButton;

namespace vapro {

class F_BildDruck : public Dialograhmen {
  public:
    explicit F_BildDruck(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    void Einschreiben() override;
    // The fields; line widths and joint sizes are saved with the engine, so
    // changing them counts as a change of the data set (without a recompute).
    void Übernehmen() override;

    void O_Hoch_Click();
    void O_Quer_Click();
    // Applies the fields, lets the user choose the printer and prints the
    // engine during one frame; reports the outcome. Cancelling the printer
    // chooser prints nothing and says nothing.
    void K_Drucken_Click();
    // The page of the running print job: called by the frame while
    // `DruckenAktiv` is set.
    void SeiteDrucken();

    QRadioButton* O_Hoch;
    QRadioButton* O_Quer;
    QLabel *A_Auflösung, *A_Höhe, *A_Breite;
    QPushButton* K_Drucken;

  private:
    // The printer's resolution and page size in pixels.
    void DruckerAnzeigen();
    void Ausrichten(bool hoch);

    enum class Ausgang { KeineSeite, Gedruckt, Fehler };
    Ausgang ausgang_ = Ausgang::KeineSeite;
    QGroupBox *Fr_Seite, *Fr_Drucker;
    QLabel *T_Auflösung, *T_Höhe, *T_Breite;
};

// The main window's printer properties: resolution, page width and height
// on three lines (message text).
QString Druckereigenschaften(const Kontext& k, const QPrinter& drucker);

} // namespace vapro
