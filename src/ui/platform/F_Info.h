#pragma once
// The version window: program version, the names of the two help files and
// a short description. It closes on OK and as soon as it loses activation;
// its place is kept under "Info x"/"Info y".

#include <QDialog>

class QLabel;
class QPushButton;

namespace vapro {

struct Kontext;

class F_Info : public QDialog {
  public:
    explicit F_Info(const Kontext& k, QWidget* eltern = nullptr);

    // Opens a window that deletes itself when it closes.
    static F_Info* Öffnen(const Kontext& k, QWidget* eltern);

    void WechselSprache();

    QLabel* A_Version;
    QLabel* A_HelpD;
    QLabel* A_HelpE;
    QLabel* T_Über;
    QPushButton* K_OK;

  protected:
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void Form_Load();
    void Form_Deactivate();

    const Kontext& k_;
    QLabel* T_Version;
    QLabel* T_HelpD;
    QLabel* T_HelpE;
};

} // namespace vapro
