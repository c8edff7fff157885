// The catalogue of condition kinds.
#include "condouv.h"

namespace {

std::vector<Condition> ajoute_conditions() { return {}; }

const std::string* cherche(const std::vector<v_n>* rows, int v, bool brut) {
    if (!rows) return nullptr;
    for (const v_n& r : *rows)
        if (r.v == v) return brut ? &r.nombrut : &r.nom;
    return nullptr;
}

}  // namespace

const std::vector<Condition> conditions = ajoute_conditions();

std::string Condition::nomchoix(int k, int v) const {
    const std::string* s = cherche(k >= 0 && k < (int)choix.size() ? &choix[k] : nullptr, v, false);
    return s ? *s : std::string();
}

std::string Condition::nombrutchoix(int k, int v) const {
    const std::string* s = cherche(k >= 0 && k < (int)choix.size() ? &choix[k] : nullptr, v, true);
    return s ? *s : std::string();
}
