#include "hooks.h"

#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

FnAlerte& f_alerte() {
    static FnAlerte f = [](const std::string& m) { std::cerr << m << '\n'; };
    return f;
}

FnDemander& f_demander() {
    static FnDemander f = [](const std::string&) { return false; };
    return f;
}

FnChoisir& f_choisir() {
    static FnChoisir f = [](const std::string&, const std::string&, const std::string&) {
        return std::string();
    };
    return f;
}

FnExecuter& f_executer() {
    static FnExecuter f = [](const std::string& c) { return std::system(c.c_str()); };
    return f;
}

}  // namespace

void alerte(const std::string& message) {
    f_alerte()(message);
}

bool demander(const std::string& question) { return f_demander()(question); }

std::string choisir_fichier(const std::string& titre, const std::string& motif,
                            const std::string& initial) {
    return f_choisir()(titre, motif, initial);
}

int executer(const std::string& commande) { return f_executer()(commande); }

FnAlerte lie_alerte(FnAlerte f) { return std::exchange(f_alerte(), std::move(f)); }
FnDemander lie_demander(FnDemander f) { return std::exchange(f_demander(), std::move(f)); }
FnChoisir lie_choisir_fichier(FnChoisir f) { return std::exchange(f_choisir(), std::move(f)); }
FnExecuter lie_executer(FnExecuter f) { return std::exchange(f_executer(), std::move(f)); }
