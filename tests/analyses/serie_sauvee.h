// The export reads globals (the series, the options, the reader command, the
// numbering of the current set): a test that changes them restores them on
// leaving, and starts from an empty series with the default options.
#pragma once

#include <string>
#include <vector>

#include "condouv.h"
#include "gen.h"
#include "serie.h"

class SerieSauvee {
public:
    SerieSauvee()
        : donnes_(donnes), nums_(nums), serie_(serie), nb_d_(nb_d), odds_(odds),
          cmd_(config.cmdpdf), numero_(contr.numerofixe) {
        donnes.clear();
        nums.clear();
        serie = Serie();
        nb_d = 12;
        odds = false;
        config.cmdpdf.clear();
    }
    ~SerieSauvee() {
        donnes = donnes_;
        nums = nums_;
        serie = serie_;
        nb_d = nb_d_;
        odds = odds_;
        config.cmdpdf = cmd_;
        contr.numerofixe = numero_;
    }
    SerieSauvee(const SerieSauvee&) = delete;
    SerieSauvee& operator=(const SerieSauvee&) = delete;

private:
    serie_donnes donnes_;
    std::vector<int> nums_;
    Serie serie_;
    int nb_d_;
    bool odds_;
    std::string cmd_;
    int numero_;
};
