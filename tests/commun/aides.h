// Test helpers shared by every test folder: a fresh working directory per
// test, and recorders for the alert and command hooks.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "hooks.h"

// Runs the test in a new, empty temporary directory and comes back after it.
class RepertoireTemp {
public:
    RepertoireTemp() {
        ancien_ = std::filesystem::current_path();
        std::string modele = (std::filesystem::temp_directory_path() / "dralen-XXXXXX").string();
        std::vector<char> buf(modele.begin(), modele.end());
        buf.push_back('\0');
        if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp");
        dir_ = buf.data();
        std::filesystem::current_path(dir_);
    }
    ~RepertoireTemp() {
        std::error_code ec;
        std::filesystem::current_path(ancien_, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    RepertoireTemp(const RepertoireTemp&) = delete;
    RepertoireTemp& operator=(const RepertoireTemp&) = delete;
    const std::filesystem::path& chemin() const { return dir_; }

private:
    std::filesystem::path ancien_;
    std::filesystem::path dir_;
};

// Fixture form of the above.
class DansRepertoireTemp : public ::testing::Test {
protected:
    RepertoireTemp rep_;
};

// Records every alert while it lives.
class EnregistreurAlertes {
public:
    EnregistreurAlertes() {
        ancien_ = lie_alerte([this](const std::string& m) { alertes.push_back(m); });
    }
    ~EnregistreurAlertes() { lie_alerte(ancien_); }
    std::vector<std::string> alertes;

private:
    FnAlerte ancien_;
};

// Records every external command while it lives; each returns `statut`.
class EnregistreurCommandes {
public:
    explicit EnregistreurCommandes(int statut = 0) : statut_(statut) {
        ancien_ = lie_executer([this](const std::string& c) {
            commandes.push_back(c);
            return statut_;
        });
    }
    ~EnregistreurCommandes() { lie_executer(ancien_); }
    std::vector<std::string> commandes;
    void statut(int s) { statut_ = s; }

private:
    int statut_;
    FnExecuter ancien_;
};

// Answers the yes/no questions with the answers given, one per call ("Non"
// once they run out), and records the questions asked.
class ReponsesQuestions {
public:
    explicit ReponsesQuestions(std::vector<bool> reponses = {}) : reponses_(std::move(reponses)) {
        ancien_ = lie_demander([this](const std::string& q) {
            questions.push_back(q);
            return suivante_ < reponses_.size() && reponses_[suivante_++];
        });
    }
    ~ReponsesQuestions() { lie_demander(ancien_); }
    std::vector<std::string> questions;

private:
    std::vector<bool> reponses_;
    std::size_t suivante_ = 0;
    FnDemander ancien_;
};

// Answers the file chooser with the paths given, one per call ("" once
// they run out, as a cancelled chooser), and records the titles and
// default paths it was asked with.
class ReponsesChoix {
public:
    explicit ReponsesChoix(std::vector<std::string> reponses = {}) : reponses_(std::move(reponses)) {
        ancien_ = lie_choisir_fichier(
            [this](const std::string& titre, const std::string&, const std::string& initial) {
                titres.push_back(titre);
                initiaux.push_back(initial);
                if (suivante_ >= reponses_.size()) return std::string();
                return reponses_[suivante_++];
            });
    }
    ~ReponsesChoix() { lie_choisir_fichier(ancien_); }
    void ajoute(const std::string& r) { reponses_.push_back(r); }
    std::vector<std::string> titres;
    std::vector<std::string> initiaux;

private:
    std::vector<std::string> reponses_;
    std::size_t suivante_ = 0;
    FnChoisir ancien_;
};

inline std::string lit_fichier(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

inline void ecrit_fichier(const std::string& path, const std::string& contenu) {
    std::ofstream f(path, std::ios::binary);
    f << contenu;
}

// The deal where each seat holds one whole suit: Nord the spades, Est the
// hearts, Sud the diamonds, Ouest the clubs (card index 13 × block + k,
// blocks ♣ ♦ ♥ ♠). Its double-dummy results are known without a solver.
inline std::string donne_une_couleur_chacun() {
    return std::string(13, 'O') + std::string(13, 'S') + std::string(13, 'E') +
           std::string(13, 'N');
}
