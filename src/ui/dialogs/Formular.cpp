#include "ui/dialogs/Formular.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/numbers/Zahlenformat.h"

#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

Reparatur Reparatur::Bereich(double min, double max) {
    return Reparatur([min, max](double wert, Modell&) { return std::clamp(wert, min, max); });
}

Reparatur Reparatur::AbweisenBis(double grenze) {
    return Reparatur([grenze](double wert, Modell&) {
        if (wert <= grenze) throw Eingabefehler();
        return wert;
    });
}

Formular::Formular(Dialograhmen& rahmen, std::vector<Zeile> zeilen, QGridLayout* raster)
    : rahmen_(rahmen) {
    QWidget* eltern = &rahmen;
    QGridLayout* ziel = raster;
    int zeile = raster->rowCount();
    // A fresh layout reports one (empty) row.
    if (zeile == 1 && raster->count() == 0) zeile = 0;
    int zeileAußen = zeile;

    elemente_.reserve(zeilen.size());
    for (Zeile& z : zeilen) {
        Element e{std::move(z)};
        const Zeile& d = e.zeile;
        if (d.art == Zeile::Art::Eingabe || d.art == Zeile::Art::Kästchen) {
            e.feld = FeldSuchen(d.feld);
            // A row for a field the table does not know is a programming error.
            if (!e.feld) throw std::logic_error("form row without a field of the table");
            // So is a field the user could not name.
            if (!d.text && !e.feld->text && e.feld->festerText.empty())
                throw std::logic_error("form row without a caption");
        }
        switch (d.art) {
        case Zeile::Art::Überschrift:
            e.titel = new QLabel(eltern);
            ziel->addWidget(e.titel, zeile++, 0, 1, 3);
            break;
        case Zeile::Art::Gruppe: {
            auto* rahmenBox = new QGroupBox(eltern);
            e.eingabe = rahmenBox;
            raster->addWidget(rahmenBox, zeile, 0, 1, 3);
            zeileAußen = zeile + 1;
            eltern = rahmenBox;
            ziel = new QGridLayout(rahmenBox);
            zeile = 0;
            break;
        }
        case Zeile::Art::GruppeEnde:
            eltern = &rahmen;
            ziel = raster;
            zeile = zeileAußen;
            break;
        case Zeile::Art::Eingabe:
        case Zeile::Art::Anzeige:
            e.titel = new QLabel(eltern);
            e.eingabe = d.art == Zeile::Art::Eingabe ? static_cast<QWidget*>(rahmen.Feld(eltern))
                                                     : new QLabel(eltern);
            ziel->addWidget(e.titel, zeile, 0);
            ziel->addWidget(e.eingabe, zeile, 1);
            if (d.schild != Schild::Keines) {
                e.schild = new QLabel(eltern);
                // Fixed labels are the same in every language.
                if (d.schild == Schild::Prozent) e.schild->setText(QStringLiteral("%"));
                if (d.schild == Schild::Pixel) e.schild->setText(QStringLiteral("Pixel"));
                if (d.schild == Schild::Grad) e.schild->setText(QString::fromUtf8("°"));
                ziel->addWidget(e.schild, zeile, 2);
            }
            ++zeile;
            break;
        case Zeile::Art::Kästchen: {
            auto* kästchen = new QCheckBox(eltern);
            e.eingabe = kästchen;
            ziel->addWidget(kästchen, zeile++, 0, 1, 3);
            QObject::connect(kästchen, &QCheckBox::clicked, &rahmen,
                             [&rahmen] { rahmen.Knopf_Übernehmen_Click(); });
            break;
        }
        }
        elemente_.push_back(std::move(e));
    }
}

void Formular::WechselSprache() {
    for (const Element& e : elemente_) {
        const Zeile& z = e.zeile;
        QString text;
        if (z.text)
            text = rahmen_.k.T(z.text - 1000);
        else if (e.feld && e.feld->text)
            text = rahmen_.k.T(e.feld->text - 1000);
        else if (e.feld)
            text = Q(e.feld->festerText);
        switch (z.art) {
        case Zeile::Art::Überschrift:
        case Zeile::Art::Eingabe:
        case Zeile::Art::Anzeige:
            e.titel->setText(text);
            break;
        case Zeile::Art::Gruppe:
            static_cast<QGroupBox*>(e.eingabe)->setTitle(text);
            break;
        case Zeile::Art::Kästchen:
            static_cast<QCheckBox*>(e.eingabe)->setText(text);
            break;
        case Zeile::Art::GruppeEnde:
            break;
        }
    }
}

void Formular::Einschreiben() {
    const Modell& m = rahmen_.k.m;
    const Einheitennamen& namen = rahmen_.k.einheiten;
    for (const Element& e : elemente_) {
        if (e.zeile.schild == Schild::Länge) e.schild->setText(Q(namen.EinheitLänge));
        if (e.zeile.schild == Schild::Volumen) e.schild->setText(Q(namen.EinheitVolumen));
        if (e.zeile.art == Zeile::Art::Eingabe) {
            auto* feld = static_cast<QLineEdit*>(e.eingabe);
            const double wert = FeldLesen(m, *e.feld);
            if (e.feld->größe == Größe::Ganzzahl)
                rahmen_.Zeigen(feld, static_cast<int16_t>(wert));
            else
                rahmen_.Zeigen(feld, static_cast<float>(wert));
        } else if (e.zeile.art == Zeile::Art::Anzeige) {
            const double wert = e.zeile.wert(m);
            std::string text;
            if (e.zeile.muster == Muster::Allgemein)
                text = FormatAllgemein(static_cast<float>(wert), rahmen_.Dezimalzeichen());
            else if (IstMM(m))
                text = FormatMuster(wert / 1000, "0.0", rahmen_.Dezimalzeichen());
            else
                text = FormatMuster(wert, "0.00", rahmen_.Dezimalzeichen());
            static_cast<QLabel*>(e.eingabe)->setText(Q(text));
        } else if (e.zeile.art == Zeile::Art::Kästchen) {
            Dialograhmen::Zeigen(static_cast<QCheckBox*>(e.eingabe),
                                 static_cast<int16_t>(FeldLesen(m, *e.feld)));
        }
    }
}

void Formular::Übernehmen() {
    Modell& m = rahmen_.k.m;
    for (const Element& e : elemente_) {
        double wert;
        if (e.zeile.art == Zeile::Art::Eingabe) {
            const auto* feld = static_cast<const QLineEdit*>(e.eingabe);
            wert = e.feld->größe == Größe::Ganzzahl ? static_cast<double>(rahmen_.LiesGanz(feld))
                                                    : static_cast<double>(rahmen_.LiesEinzel(feld));
            wert = e.zeile.reparatur(wert, m);
        } else if (e.zeile.art == Zeile::Art::Kästchen) {
            wert = Dialograhmen::Wert(static_cast<const QCheckBox*>(e.eingabe));
        } else {
            continue;
        }
        if (!FeldSetzen(m, *e.feld, wert)) throw Eingabefehler();
    }
}

const Formular::Element* Formular::Suchen(FeldOrt feld) const {
    for (const Element& e : elemente_)
        if (e.feld && e.zeile.feld == feld) return &e;
    return nullptr;
}

QLineEdit* Formular::Eingabefeld(FeldOrt feld) const {
    const Element* e = Suchen(feld);
    return e && e->zeile.art == Zeile::Art::Eingabe ? static_cast<QLineEdit*>(e->eingabe) : nullptr;
}

QCheckBox* Formular::Kästchen(FeldOrt feld) const {
    const Element* e = Suchen(feld);
    return e && e->zeile.art == Zeile::Art::Kästchen ? static_cast<QCheckBox*>(e->eingabe)
                                                     : nullptr;
}

QLabel* Formular::Beschriftung(FeldOrt feld) const {
    const Element* e = Suchen(feld);
    return e ? e->titel : nullptr;
}

void Formular::ZeileSichtbar(FeldOrt feld, bool sichtbar) {
    const Element* e = Suchen(feld);
    if (!e) return;
    for (QWidget* w :
         {static_cast<QWidget*>(e->titel), e->eingabe, static_cast<QWidget*>(e->schild)})
        if (w) w->setVisible(sichtbar);
}

std::vector<QLabel*> Formular::Anzeigen() const {
    std::vector<QLabel*> alle;
    for (const Element& e : elemente_)
        if (e.zeile.art == Zeile::Art::Anzeige) alle.push_back(static_cast<QLabel*>(e.eingabe));
    return alle;
}

std::vector<QCheckBox*> Formular::AlleKästchen() const {
    std::vector<QCheckBox*> alle;
    for (const Element& e : elemente_)
        if (e.zeile.art == Zeile::Art::Kästchen) alle.push_back(static_cast<QCheckBox*>(e.eingabe));
    return alle;
}

} // namespace vapro
