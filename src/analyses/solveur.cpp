#include "solveur.h"

#include <dds/dll.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <bitset>
#include <cstring>
#include <memory>
#include <mutex>
#include <shared_mutex>

#include "gen.h"

namespace {

constexpr unsigned rangs_valides = 0x7FFCu;  // bits 2..14

// Shared by the position solves, exclusive for a table and for a change of
// the thread count: a table uses every thread's memory of the solver.
std::shared_mutex verrou;
// Guarded by verrou. 0 until the solver has been asked.
int accordes = 0;
// Guarded by verrou: the count last asked of the solver, 0 (the solver's
// own choice, as when it loads) before init_solveur.
int demandes = 0;
// One flag per granted thread index, set while a solve uses that index.
std::unique_ptr<std::atomic<bool>[]> occupes;

// With verrou held exclusively.
void lit_threads_accordes() {
    DDSInfo info;
    GetDDSInfo(&info);
    accordes = std::max(1, info.noOfThreads);
    occupes.reset(new std::atomic<bool>[accordes]);
    for (int i = 0; i < accordes; ++i) occupes[i].store(false);
}

void assure_pret() {
    {
        std::shared_lock<std::shared_mutex> l(verrou);
        if (accordes > 0) return;
    }
    std::unique_lock<std::shared_mutex> l(verrou);
    if (accordes == 0) lit_threads_accordes();
}

EtatSolveur reussite() { return {true, solveur_ok, ""}; }

EtatSolveur refus(int code, const std::string& message) { return {false, code, message}; }

EtatSolveur erreur_dds(int code) {
    char ligne[80] = {};
    ErrorMessage(code, ligne);
    ligne[79] = '\0';
    return {false, code, ligne};
}

int nb_cartes(const unsigned main[4]) {
    int n = 0;
    for (int c = 0; c < 4; ++c) n += static_cast<int>(std::bitset<32>(main[c]).count());
    return n;
}

// Ranks and duplicates among the hands; `pris` receives the cards held.
EtatSolveur verifie_mains(const unsigned mains[4][4], unsigned pris[4]) {
    for (int j = 0; j < 4; ++j)
        for (int c = 0; c < 4; ++c)
            if (mains[j][c] & ~rangs_valides)
                return refus(refus_rang, "Carte de rang impossible (les rangs vont de 2 à 14)");
    for (int c = 0; c < 4; ++c) {
        pris[c] = 0;
        for (int j = 0; j < 4; ++j) {
            if (pris[c] & mains[j][c]) return refus(refus_doublon, "Carte tenue par deux joueurs");
            pris[c] |= mains[j][c];
        }
    }
    return reussite();
}

// libere_memoire_solveur, with verrou held exclusively.
void libere_sous_verrou() {
    // FreeMemory gives back every thread's tables but leaves them marked in
    // use: the next solve would read freed memory. Asking for the threads
    // again builds them anew, empty; the count granted is read again.
    FreeMemory();
    SetMaxThreads(demandes);
    lit_threads_accordes();
    plafond_threads = accordes;
    // The tables were allocated by the workers, in their own heaps: those
    // keep freed pages until they are trimmed.
    malloc_trim(0);
}

}  // namespace

int init_solveur(int nbthreads) {
    std::unique_lock<std::shared_mutex> l(verrou);
    demandes = std::max(1, nbthreads);
    SetMaxThreads(demandes);
    lit_threads_accordes();
    // The generator cannot ask the solver: it reads the granted count here.
    plafond_threads = accordes;
    return accordes;
}

void libere_memoire_solveur() {
    std::unique_lock<std::shared_mutex> l(verrou);
    libere_sous_verrou();
}

int threads_solveur() {
    assure_pret();
    std::shared_lock<std::shared_mutex> l(verrou);
    return accordes;
}

int threads_equipe(int voulus) { return std::min(std::max(1, voulus), threads_solveur()); }

EtatSolveur verifie_table(const unsigned mains[4][4]) {
    unsigned pris[4];
    EtatSolveur e = verifie_mains(mains, pris);
    if (!e.ok) return e;
    const int n = nb_cartes(mains[0]);
    for (int j = 1; j < 4; ++j)
        if (nb_cartes(mains[j]) != n)
            return refus(refus_longueurs,
                         "Toutes les mains doivent avoir le même nombre de cartes");
    // The solver crashes on an empty deal and counts an ending's tricks as if
    // the missing tricks had been won, wrongly with one card a hand.
    if (n != 13)
        return refus(refus_incomplete,
                     "Le tableau se calcule sur une donne complète (13 cartes par main)");
    return reussite();
}

EtatSolveur verifie_position(const PositionDds& pos) {
    if (pos.trump < 0 || pos.trump > 4 || pos.first < 0 || pos.first > 3)
        return refus(refus_atout_premier, "Atout ou premier joueur hors limites");
    // The trick's cards come first, each a real card.
    int n = 0;
    while (n < 3 && pos.currentTrickRank[n] != 0) ++n;
    for (int k = 0; k < 3; ++k) {
        const bool present = k < n;
        if (!present && pos.currentTrickRank[k] != 0)
            return refus(refus_levee, "Carte incorrecte dans la levée courante");
        if (present && (pos.currentTrickRank[k] < 2 || pos.currentTrickRank[k] > 14 ||
                        pos.currentTrickSuit[k] < 0 || pos.currentTrickSuit[k] > 3))
            return refus(refus_levee, "Carte incorrecte dans la levée courante");
    }
    unsigned pris[4];
    EtatSolveur e = verifie_mains(pos.remainCards, pris);
    if (!e.ok) return e;
    for (int k = 0; k < n; ++k)
        for (int i = 0; i < k; ++i)
            if (pos.currentTrickSuit[i] == pos.currentTrickSuit[k] &&
                pos.currentTrickRank[i] == pos.currentTrickRank[k])
                return refus(refus_doublon, "Carte jouée deux fois dans la levée en cours");
    for (int k = 0; k < n; ++k)
        if (pris[pos.currentTrickSuit[k]] & (1u << pos.currentTrickRank[k]))
            return refus(refus_jouee_tenue, "Carte de la levée en cours encore en main");
    // Those who played to the trick hold one card fewer than those still to play.
    const int apres = nb_cartes(pos.remainCards[(pos.first + n) % 4]);
    for (int i = 0; i < 4; ++i) {
        const int j = (pos.first + i) % 4;
        const int attendu = i < n ? apres - 1 : apres;
        if (nb_cartes(pos.remainCards[j]) != attendu)
            return refus(refus_longueurs,
                         "Les mains n'ont pas le nombre de cartes voulu par la levée en cours");
    }
    // Distinct cards of ranks 2..14: never more than 52, hence 13 a hand.
    return reussite();
}

EtatSolveur calcule_table(const unsigned mains[4][4], TableDds& table) {
    table = TableDds{};
    EtatSolveur e = verifie_table(mains);
    if (!e.ok) return e;
    ddTableDeal donne;
    std::memcpy(donne.cards, mains, sizeof donne.cards);
    ddTableResults res;
    std::memset(&res, 0, sizeof res);
    int code;
    {
        std::unique_lock<std::shared_mutex> l(verrou);
        code = CalcDDtable(donne, &res);
    }
    if (code != RETURN_NO_FAULT) return erreur_dds(code);
    std::memcpy(table.res, res.resTable, sizeof table.res);
    return reussite();
}

static_assert(tables_par_appel == MAXNOOFTABLES, "the solver's batch size");

std::vector<TableCalculee> calcule_tables(const std::vector<DonneDds>& donnes) {
    std::vector<TableCalculee> res(donnes.size());
    // The deals that passed the checks, by their index in donnes.
    std::vector<std::size_t> valides;
    valides.reserve(donnes.size());
    for (std::size_t i = 0; i < donnes.size(); ++i) {
        res[i].etat = verifie_table(donnes[i].mains);
        if (res[i].etat.ok) valides.push_back(i);
    }
    if (valides.empty()) return res;

    // About 40 KB of the solver's records: on the heap, once per batch.
    auto lot = std::make_unique<ddTableDeals>();
    auto tables = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    int filtre[DDS_STRAINS] = {0, 0, 0, 0, 0};  // 0: every strain is solved

    std::unique_lock<std::shared_mutex> l(verrou);
    for (std::size_t debut = 0; debut < valides.size(); debut += tables_par_appel) {
        const std::size_t nb =
            std::min<std::size_t>(tables_par_appel, valides.size() - debut);
        std::memset(lot.get(), 0, sizeof *lot);
        std::memset(tables.get(), 0, sizeof *tables);
        lot->noOfTables = static_cast<int>(nb);
        for (std::size_t k = 0; k < nb; ++k)
            std::memcpy(lot->deals[k].cards, donnes[valides[debut + k]].mains,
                        sizeof lot->deals[k].cards);
        // Mode -1: no par from the solver, the program computes its own.
        const int code = CalcAllTables(lot.get(), -1, filtre, tables.get(), pars.get());
        const EtatSolveur e = code != RETURN_NO_FAULT ? erreur_dds(code) : reussite();
        for (std::size_t k = 0; k < nb; ++k) {
            TableCalculee& t = res[valides[debut + k]];
            t.etat = e;
            if (e.ok)
                std::memcpy(t.table.res, tables->results[k].resTable, sizeof t.table.res);
        }
    }
    // A series' tables fill every thread's memory of the solver.
    libere_sous_verrou();
    return res;
}

EtatSolveur resout_position(const PositionDds& pos, int target, int solutions, int mode,
                            ReponseDds& rep, int thread) {
    rep = ReponseDds{};
    EtatSolveur e = verifie_position(pos);
    if (!e.ok) return e;
    // The solver writes a file "dump.txt" into the working directory on every
    // error it returns: the errors it would find are answered here, with its
    // own codes and messages, so that nothing reaches it that it would refuse.
    int tours = 0;
    for (int j = 0; j < 4; ++j) tours = std::max(tours, nb_cartes(pos.remainCards[j]));
    if (tours == 0) return erreur_dds(RETURN_ZERO_CARDS);
    if (target < -1) return erreur_dds(RETURN_TARGET_WRONG_LO);
    if (target > 13) return erreur_dds(RETURN_TARGET_WRONG_HI);
    if (target > tours) return erreur_dds(RETURN_TARGET_TOO_HIGH);
    if (solutions < 1) return erreur_dds(RETURN_SOLNS_WRONG_LO);
    if (solutions > 3) return erreur_dds(RETURN_SOLNS_WRONG_HI);
    if (mode < 0) return erreur_dds(RETURN_MODE_WRONG_LO);
    if (mode > 2) return erreur_dds(RETURN_MODE_WRONG_HI);
    assure_pret();

    deal dl;
    dl.trump = pos.trump;
    dl.first = pos.first;
    std::memcpy(dl.currentTrickSuit, pos.currentTrickSuit, sizeof dl.currentTrickSuit);
    std::memcpy(dl.currentTrickRank, pos.currentTrickRank, sizeof dl.currentTrickRank);
    std::memcpy(dl.remainCards, pos.remainCards, sizeof dl.remainCards);
    futureTricks fut;
    std::memset(&fut, 0, sizeof fut);

    int code;
    {
        std::shared_lock<std::shared_mutex> l(verrou);
        if (thread < 0 || thread >= accordes)
            return refus(refus_thread, "Numéro de thread hors limites (0 à " +
                                           std::to_string(accordes - 1) + ")");
        // Two solves on one index would share the solver's memory for it.
        if (occupes[thread].exchange(true))
            return refus(refus_occupe, "Numéro de thread déjà utilisé par un autre calcul");
        code = SolveBoard(dl, target, solutions, mode, &fut, thread);
        occupes[thread].store(false);
    }
    if (code != RETURN_NO_FAULT) return erreur_dds(code);

    rep.nodes = fut.nodes;
    rep.cards = fut.cards;
    std::memcpy(rep.suit, fut.suit, sizeof rep.suit);
    std::memcpy(rep.rank, fut.rank, sizeof rep.rank);
    std::memcpy(rep.equals, fut.equals, sizeof rep.equals);
    std::memcpy(rep.score, fut.score, sizeof rep.score);
    return reussite();
}

std::string texte_erreur(const EtatSolveur& e) {
    return "Erreur du solveur, code " + std::to_string(e.code) + " : " + e.message;
}
