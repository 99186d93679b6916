#pragma once
// The theoretical steam diagram of the top cylinder end and its mean pressure,
// for the size of the window. A backing image holds the drawing; the painter
// (render/Dampfdiagrammbild) draws it. The registry forwards the frame's
// steps (SchrittMalen) and the recomputation's DiagrammNeuzeichnen here.

#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "core/analysis/Dampfdiagramm.h"
#include "core/model/Bewegung.h"
#include "ui/dialogs/Dialograhmen.h"

class QAction;

namespace vapro {

class F_Diagramm : public Dialograhmen {
  public:
    explicit F_Diagramm(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // On opening, after a load and a change of unit.
    void Einschreiben() override;
    // Draws anew when the engine, its unit, the angle step, the lever or the
    // direction differ from the last drawing; otherwise costs nothing.
    void SchrittMalen() override;
    // Searches the valve events if the engine changed since the last search,
    // computes the diagram for the window's size and draws it. A diagram
    // that cannot be drawn (no room between the margins, impossible
    // geometry) leaves the window blank and raises nothing.
    void Neuzeichnen() override;
    void M_Betriebsparameter_Click();

    // Opens the operating parameters; set by the main window.
    std::function<void()> betriebsparameterÖffnen;
    QAction* M_Betriebsparameter;
    QAction* M_Exportieren;
    // The diagram as it stands now to a picture file.
    void M_Exportieren_Click();

    const QImage& Bildpuffer() const { return puffer_; }
    // The diagram on show; empty while the window is blank.
    const std::optional<Dampfdiagramm>& Diagramm() const { return diagramm_; }
    const Diagrammrahmen& Rahmen() const { return rahmen_; }

  protected:
    void FarbeGeändert() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void PufferAnpassen();
    // The kept diagram onto the backing image (blank without one).
    void Zeichnen();

    QImage puffer_;
    std::optional<Dampfdiagramm> diagramm_;
    Diagrammrahmen rahmen_;
    // The engine the events were last searched for by this window.
    std::optional<Ansichtsstand> gesucht_;
    // What the last drawing was made from.
    std::optional<Ansichtsstand> stand_;
    std::string einheit_;
};

// The frame of the diagram at its kept size, measured in `w`'s font: what
// the mean pressure is computed for while the window is closed.
Diagrammrahmen DiagrammrahmenGespeichert(const Kontext& k, const QWidget& w);

} // namespace vapro
