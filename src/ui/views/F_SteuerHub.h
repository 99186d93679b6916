#pragma once
// Valve travel over crank angle. The window keeps its graph in a backing
// image: it draws the graph anew when the engine, the angle step, the lever
// or the direction changed since it last did, and adds the markers of every
// frame on top. F_SteuerHubWeg is its twin over piston travel.

#include <QImage>
#include <functional>
#include <optional>

#include "core/model/Bewegung.h"
#include "render/Steuerhubgraph.h"
#include "ui/dialogs/Dialograhmen.h"

class QAction;

namespace vapro {

class F_SteuerHub : public Dialograhmen {
  public:
    explicit F_SteuerHub(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The graph has no fields; it follows the engine at its next frame.
    void Einschreiben() override {}
    // A frame: the whole graph when the engine changed, then the markers.
    void SchrittMalen() override;
    // The whole graph for the current engine and window size. An engine that
    // cannot be solved at every angle leaves the grid without curves.
    void Neuzeichnen() override;

    const QImage& Bildpuffer() const { return puffer_; }
    const Steuerhubgraph& Graph() const { return graph_; }
    // Full redraws so far.
    int Neuzeichnungen() const { return neuzeichnungen_; }
    // "SteuerHub" or "SteuerHubWeg": the settings key stem, recorded for the
    // settings and print windows when they are opened from here.
    const QString& Name() const { return Daten().stamm; }

    // Set by the main window; the entries are off while empty.
    std::function<void()> einstellungenÖffnen;
    std::function<void()> druckenÖffnen;

    QAction* M_Einstellungen;
    QAction* M_Drucken;
    QAction* M_Exportieren;
    // The graph as it stands now to a picture file.
    void M_Exportieren_Click();

  protected:
    // `texte`: caption and pop-up entries at texte … texte + 4 (German - 1000).
    F_SteuerHub(Kontext& k, Hubachse achse, Rahmendaten daten, int texte, QWidget* eltern);

    void FarbeGeändert() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void PufferAnpassen();
    void Aufrufen(const std::function<void()>& öffnen);

    int texte_;
    Steuerhubgraph graph_;
    QImage puffer_;
    // The engine the graph was drawn for.
    std::optional<Ansichtsstand> stand_;
    int neuzeichnungen_ = 0;
    bool bildschirmVerbunden_ = false;
};

} // namespace vapro
