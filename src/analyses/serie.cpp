#include "serie.h"

int nb_d = 12;
bool odds = false;
serie_donnes donnes;
std::vector<int> nums;
Serie serie;

const char* const latniveaux[5] = {"\\tp", "\\kp", "\\cp", "\\pp", "SA"};
