#pragma once
// The motion table: one row per angle step of a revolution, filled as the
// engine turns.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Bewegungstabelle.h"

#include "ui/Kontext.h"

class QTableWidget;
class QCheckBox;
class QLabel;
class QMenu;

namespace vapro {

class F_Tabelle : public QWidget {
  public:
    explicit F_Tabelle(Kontext& k, QWidget* eltern = nullptr);

    void TabelleEinrichten();
    void Ausgeben();
    void Einschreiben();
    void WechselSprache();
    void MZ();

    // Text of a cell; row 1 is the first data row, columns 1 to 4 the values.
    QString Zelle(int zeile, int spalte) const;
    int AktuelleZeile() const;
    QCheckBox& Aktualisieren() { return *C_TabelleAktualisieren; }
    // The rows written so far as CSV, with the full precision of each number.
    std::string Csv() const;
    void M_Exportieren_Click();

    std::function<void()> beimSchließen;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    void C_TabelleAktualisieren_Click();
    void Kopfzeile();

    Kontext& k;
    QTableWidget* G_Tabelle;
    QLabel* G_Legende;
    QCheckBox* C_TabelleAktualisieren;
    QMenu* M_Popup;
    QAction* M_Infotext;
    QAction* M_Exportieren;
    QAction* M_Hintergrundfarbe;
    // The numbers behind the rows, for the export.
    std::vector<std::optional<Bewegungswerte>> werte_;
};

} // namespace vapro
