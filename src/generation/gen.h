// Global state of the model besides the constraint set: page state, the
// configuration, the budgets of the generator and the statistics.
#pragma once

#include <cstdint>
#include <string>

struct Environnement {
    std::string page = "ini";
    bool pasapas = false;
};

// The values of "dralen.ini".
struct Config {
    std::string cmdpdf;
    std::string nomcontr;
    int nbthreads = 1;
    bool debug = false;
    // Rewrites the value line of key in "dralen.ini" through "temp".
    bool remplace(const std::string& key, const std::string& value);
};

extern Environnement env;
extern Config config;
extern int limite;   // at most 2^limite draws
extern int nbstat;   // deals per statistic
extern int tabstat[52][14];
extern int nbchutes[52];

// Largest team a parallel loop may use: the threads the solver granted,
// recorded by the solver layer when it starts the solver; 0 until then,
// meaning the OpenMP runtime's default team size. Written only while no
// parallel loop runs.
extern int plafond_threads;
// Size of the team for a loop asked to run on `voulus` threads: at least 1,
// at most plafond_threads (or the runtime's default team size while it is 0).
int threads_generation(int voulus);

// Reads "dralen.ini" into cfg; may replace the current constraint set.
void traiteini(Config& cfg);
// Appends one line to the file "debug" when debugging is on; safe from workers.
void ecrit_debug(const std::string& line);
// A count as three groups of digits separated by U+202F.
std::string istring(std::int64_t n);
