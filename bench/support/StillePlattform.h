#pragma once
// A platform that answers nothing and shows nothing: a session without a
// user, for benchmarks of whole windows.

#include <QColor>
#include <QPrinter>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "ui/platform/Plattform.h"

namespace vapro::bench {

struct StillePlattform : Plattform {
    void Meldung(QWidget*, const QString&, Symbol, const QString&) override {}
    bool JaNein(QWidget*, const QString&, const QString&) override { return true; }
    Sichern SpeichernFragen(QWidget*, const QString&, const QString&,
                            const std::array<QString, 3>&) override {
        return Sichern::Verwerfen;
    }
    std::optional<QColor> FarbeWählen(QWidget*, const QColor&) override { return {}; }
    std::optional<QString> DateiÖffnen(QWidget*, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> DateiSpeichern(QWidget*, const QString&, const QString&) override {
        return {};
    }
    void Hilfe(int) override {}
    QPrinter& Drucker() override {
        if (!drucker) drucker = std::make_unique<QPrinter>();
        return *drucker;
    }
    bool DruckerWählen(QWidget*, QPrinter&) override { return false; }
    std::optional<QSize> BildgrößeWählen(QWidget*, QSize, const QString&, const QString&,
                                         const QString&) override {
        return {};
    }
    std::unique_ptr<QPrinter> drucker;
};

} // namespace vapro::bench
