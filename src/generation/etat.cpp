// The model's global state and its start values.
#include "condouv.h"
#include "gen.h"

Environnement env;
Contraintes contr;
Config config;
int limite = 29;
int nbstat = 100;
int tabstat[52][14] = {};
int nbchutes[52] = {};
int plafond_threads = 0;
