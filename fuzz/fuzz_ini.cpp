// The "dralen.ini" reader on arbitrary bytes: no crash, and the thread count
// it leaves is always at least 1.
#include <cstdint>
#include <cstdlib>

#include "commun_fuzz.h"
#include "condouv.h"
#include "gen.h"

namespace {
std::string depart;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepare_fuzz();
    char* c = getcwd(nullptr, 0);
    if (!c) std::abort();
    depart = c;
    std::free(c);
    // A constraint set the configuration may name, to reach that reader too.
    const char s[] = "fichier_de_contraintes\nnumero 3\ncoco a 1 -3  \ncalcul A n a \n";
    ecrit_brut(dans_fuzz("s"), s, sizeof s - 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    ecrit_brut(dans_fuzz("dralen.ini"), d, n);
    // The reader works in the current directory: go there for the call only.
    if (chdir(repertoire_fuzz().c_str()) != 0) std::abort();
    Config cfg;
    traiteini(cfg);
    if (chdir(depart.c_str()) != 0) std::abort();
    if (cfg.nbthreads < 1) std::abort();
    if (contr.cocos.size() > 26 || contr.calculs.size() > 26) std::abort();
    contr = Contraintes();
    return 0;
}
