// The doors to the outside world: alerts, yes/no questions, the file
// chooser and external commands. The program binds them to the toolkit and to system();
// tests bind them to recorders.
#pragma once

#include <functional>
#include <string>

using FnAlerte = std::function<void(const std::string&)>;
using FnDemander = std::function<bool(const std::string& question)>;
using FnChoisir = std::function<std::string(const std::string& titre, const std::string& motif,
                                            const std::string& initial)>;
using FnExecuter = std::function<int(const std::string& commande)>;

// Shows a modal alert (stderr until the program binds the toolkit).
void alerte(const std::string& message);
// Asks a question answered "Oui" or "Non"; true for "Oui" (always "Non"
// until the program binds the toolkit: nothing is replaced or lost unasked).
bool demander(const std::string& question);
// Asks for a file; "" when cancelled (always "" until the program binds the toolkit).
std::string choisir_fichier(const std::string& titre, const std::string& motif,
                            const std::string& initial);
// Runs a command through the shell; returns the raw status of system().
int executer(const std::string& commande);

// Each returns the binding it replaces.
FnAlerte lie_alerte(FnAlerte f);
FnDemander lie_demander(FnDemander f);
FnChoisir lie_choisir_fichier(FnChoisir f);
FnExecuter lie_executer(FnExecuter f);
