// Rewriting the configuration file "dralen.ini" one value at a time: the
// new file is written to "temp" (Config::remplace), then renamed over
// "dralen.ini" (valide_temp), so that a failed write never leaves a
// half-written configuration behind.
#pragma once

#include <string>

#include "gen.h"

inline constexpr const char* fichier_ini = "dralen.ini";
inline constexpr const char* fichier_temp = "temp";

// Puts "temp" in the place of "dralen.ini" (one rename, so that there is
// never a moment without a configuration file). An alert and false when it
// cannot.
bool valide_temp();

// Config::remplace then, when it succeeded, valide_temp: the value is in the
// file when this returns true. Every failure has been alerted.
bool enregistre_valeur(Config& cfg, const std::string& key, const std::string& value);
