#include "ui/platform/F_Info.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Kontext.h"
#include "ui/platform/Fensterlage.h"

namespace vapro {

namespace {

constexpr int TextVersionsInfo = 461; // window caption "Versions-Info"

const char* const ÜberDeutsch =
    "Zelto Vapro entwirft und prüft die Dampfverteilung einer kleinen, doppelt wirkenden, "
    "stehenden Dampfmaschine mit Flachschieber und Stephenson-Kulissensteuerung oder festem "
    "Exzenter. Es zeigt die Maschine in Bewegung, ermittelt die Steuerzeiten beider "
    "Zylinderseiten, zeichnet Schieberhub-Kurven und ein theoretisches Dampfdiagramm und "
    "berechnet die Betriebswerte bei der gewählten Drehzahl.";
const char* const ÜberEnglisch =
    "Zelto Vapro designs and checks the steam distribution of a small double-acting vertical "
    "steam engine with a flat slide valve and Stephenson's link motion or a fixed eccentric. It "
    "shows the engine in motion, finds the valve events of both cylinder ends, draws "
    "valve-travel curves and a theoretical indicator diagram, and works out the operating "
    "figures at the chosen speed.";

} // namespace

F_Info::F_Info(const Kontext& k, QWidget* eltern)
    : QDialog(eltern), A_Version(new QLabel(QStringLiteral(VAPRO_VERSION), this)),
      A_HelpD(new QLabel(QStringLiteral("Vapro15.hlp"), this)),
      A_HelpE(new QLabel(QStringLiteral("Vapro15e.hlp"), this)), T_Über(new QLabel(this)),
      K_OK(new QPushButton(QStringLiteral("OK"), this)), k_(k), T_Version(new QLabel(this)),
      T_HelpD(new QLabel(this)), T_HelpE(new QLabel(this)) {
    auto* name = new QLabel(QStringLiteral("<h2>Zelto Vapro</h2>"), this);
    auto* felder = new QGridLayout;
    felder->addWidget(T_Version, 0, 0);
    felder->addWidget(A_Version, 0, 1);
    felder->addWidget(T_HelpD, 1, 0);
    felder->addWidget(A_HelpD, 1, 1);
    felder->addWidget(T_HelpE, 2, 0);
    felder->addWidget(A_HelpE, 2, 1);
    T_Über->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addLayout(felder);
    layout->addWidget(T_Über);
    layout->addWidget(K_OK, 0, Qt::AlignRight);
    K_OK->setDefault(true);
    connect(K_OK, &QPushButton::clicked, this, [this] { close(); });
    setMinimumWidth(420);
    Form_Load();
}

F_Info* F_Info::Öffnen(const Kontext& k, QWidget* eltern) {
    auto* f = new F_Info(k, eltern);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

void F_Info::Form_Load() {
    // Texts first: the place is chosen for the size they give.
    WechselSprache();
    if (layout()) layout()->activate();
    PositionLaden(*this, k_.speicher, QStringLiteral("Info"), 220);
}

void F_Info::WechselSprache() {
    const bool englisch = k_.sprache.Sprachbasis == SprachbasisEnglisch;
    setWindowTitle(k_.T(TextVersionsInfo));
    T_Version->setText(QStringLiteral("Version"));
    T_HelpD->setText(englisch ? QStringLiteral("Help file German")
                              : QStringLiteral("Hilfedatei deutsch"));
    T_HelpE->setText(englisch ? QStringLiteral("Help file English")
                              : QStringLiteral("Hilfedatei englisch"));
    T_Über->setText(QString::fromUtf8(englisch ? ÜberEnglisch : ÜberDeutsch));
}

void F_Info::Form_Deactivate() {
    PositionSpeichern(*this, k_.speicher, QStringLiteral("Info"));
}

void F_Info::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

void F_Info::hideEvent(QHideEvent* e) {
    // Every way out (OK, Escape, losing activation) passes here.
    Form_Deactivate();
    QDialog::hideEvent(e);
}

} // namespace vapro
