// The three doors to the outside world: alerts, the file chooser and
// external commands. The program binds them to the toolkit and to system();
// tests bind them to recorders.
#pragma once

#include <functional>
#include <string>

using FnAlerte = std::function<void(const std::string&)>;
using FnChoisir = std::function<std::string(const std::string& titre, const std::string& motif,
                                            const std::string& initial)>;
using FnExecuter = std::function<int(const std::string& commande)>;

// Shows a modal alert (stderr until the program binds the toolkit).
void alerte(const std::string& message);
// Asks for a file; "" when cancelled (always "" until the program binds the toolkit).
std::string choisir_fichier(const std::string& titre, const std::string& motif,
                            const std::string& initial);
// Runs a command through the shell; returns the raw status of system().
int executer(const std::string& commande);

// Each returns the binding it replaces.
FnAlerte lie_alerte(FnAlerte f);
FnChoisir lie_choisir_fichier(FnChoisir f);
FnExecuter lie_executer(FnExecuter f);
