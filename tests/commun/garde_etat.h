// Keeps the model's global state that the statistics and their pages read
// and write (the current set, deals per statistic, the budget, the
// configuration, the page state) and puts it back when it goes: a fixture
// holds one as its first member, so a test may change any of them.
#pragma once

#include "condouv.h"
#include "gen.h"

class GardeEtat {
public:
    GardeEtat() = default;
    ~GardeEtat() {
        contr = contr_;
        nbstat = nbstat_;
        limite = limite_;
        config = config_;
        env = env_;
    }
    GardeEtat(const GardeEtat&) = delete;
    GardeEtat& operator=(const GardeEtat&) = delete;

private:
    Contraintes contr_ = contr;
    int nbstat_ = nbstat, limite_ = limite;
    Config config_ = config;
    Environnement env_ = env;
};
