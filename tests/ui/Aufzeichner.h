#pragma once
// A platform for tests: records every message and answers questions and
// choosers from prepared replies, so no test blocks on a modal window. A test
// that ends with a message or question it never looked at fails.

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "ui/platform/Plattform.h"

namespace vapro::test {

struct Aufzeichner : Plattform {
    struct Nachricht {
        QString text;
        Symbol symbol;
    };
    Aufzeichner() = default;
    Aufzeichner(const Aufzeichner&) = delete;
    Aufzeichner& operator=(const Aufzeichner&) = delete;
    ~Aufzeichner() override {
        for (size_t i = gesehenMeldungen_; i < meldungen_.size(); ++i)
            ADD_FAILURE() << "message box nobody checked: " << meldungen_[i].text.toStdString();
        for (size_t i = gesehenFragen_; i < fragen_.size(); ++i)
            ADD_FAILURE() << "question nobody checked: " << fragen_[i].toStdString();
    }

    // The messages and questions so far; reading them counts as checking them.
    const std::vector<Nachricht>& Meldungen() {
        gesehenMeldungen_ = meldungen_.size();
        return meldungen_;
    }
    const std::vector<QString>& Fragen() {
        gesehenFragen_ = fragen_.size();
        return fragen_;
    }
    std::vector<int> hilfen;
    bool antwortJa = true;
    Sichern antwortSichern = Sichern::Abbrechen;
    // Runs while a message is "open", as the event loop of a real box would.
    std::function<void()> währendMeldung;
    std::deque<std::optional<QColor>> farben; // replies of the colour chooser
    std::deque<QString> dateien;              // replies of the file choosers; empty = cancel
    std::deque<std::optional<QSize>> größen;  // replies of the size box; none = cancel
    // The printer chooser: how often it was asked, and whether it confirms.
    int druckerGewählt = 0;
    bool druckerJa = true;

    void Meldung(QWidget*, const QString& text, Symbol symbol, const QString&) override {
        meldungen_.push_back({text, symbol});
        if (währendMeldung) währendMeldung();
    }
    Sichern SpeichernFragen(QWidget*, const QString& text, const QString&,
                            const std::array<QString, 3>&) override {
        fragen_.push_back(text);
        return antwortSichern;
    }
    bool JaNein(QWidget*, const QString& text, const QString&) override {
        fragen_.push_back(text);
        return antwortJa;
    }
    std::optional<QColor> FarbeWählen(QWidget*, const QColor&) override { return Nächste(farben); }
    std::optional<QString> DateiÖffnen(QWidget*, const QString&, const QString&) override {
        return Datei();
    }
    std::optional<QString> DateiSpeichern(QWidget*, const QString&, const QString&) override {
        return Datei();
    }
    void Hilfe(int kontext) override { hilfen.push_back(kontext); }
    // A PDF printer; a test names the file it prints to.
    QPrinter& Drucker() override {
        if (!drucker_) {
            drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            drucker_->setOutputFormat(QPrinter::PdfFormat);
        }
        return *drucker_;
    }
    bool DruckerWählen(QWidget*, QPrinter&) override {
        ++druckerGewählt;
        return druckerJa;
    }
    std::optional<QSize> BildgrößeWählen(QWidget*, QSize, const QString&, const QString&,
                                         const QString&) override {
        return Nächste(größen);
    }

  private:
    std::vector<Nachricht> meldungen_;
    std::vector<QString> fragen_;
    std::unique_ptr<QPrinter> drucker_;
    size_t gesehenMeldungen_ = 0, gesehenFragen_ = 0;

    // The next prepared reply; none left answers as a cancel.
    template <class T> static std::optional<T> Nächste(std::deque<std::optional<T>>& antworten) {
        if (antworten.empty()) return std::nullopt;
        const std::optional<T> a = antworten.front();
        antworten.pop_front();
        return a;
    }
    std::optional<QString> Datei() {
        if (dateien.empty()) return std::nullopt;
        const QString d = dateien.front();
        dateien.pop_front();
        return d.isEmpty() ? std::nullopt : std::optional(d);
    }
};

} // namespace vapro::test
