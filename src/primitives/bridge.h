// Constant tables shared by every module: seats, suits, ranks, the empty deal,
// and the par result record.
#pragma once

#include <string>

// Seats: 0 Nord, 1 Est, 2 Sud, 3 Ouest (the solver numbers hands the same way).
inline constexpr const char* jsymbs = "NESO";
inline constexpr const char* nomjoueur[4] = {"Nord", "Est", "Sud", "Ouest"};
inline constexpr const char* joueurs[4] = {"nord", "est", "sud", "ouest"};
// For seat p, the letter of p's partner; also the order in which the
// generator hands out free cards (Sud, Ouest, Nord, Est).
inline constexpr const char* symbj = "SONE";

// Suit index (the solver's strain order): 0 pique, 1 cœur, 2 carreau, 3 trèfle, 4 SA.
inline constexpr const char* vcoulssa[5] = {"Pique", "Cœur", "Carreau", "Trèfle", "Sans-atout"};
inline constexpr const char* scoul[5] = {"♠", "♥", "♦", "♣", "SA"};
inline constexpr const char* lettres_couleurs = "PCKT";
// Suit symbols in the browser markup of the toolkit, by suit index.
inline constexpr const char* sycoul[4] = {"\t@S16@C136♠", "\t@S16@C89♥", "\t@S16@C169♦",
                                          "\t@S16@C59♣"};

// Bidding order: 0 ♣, 1 ♦, 2 ♥, 3 ♠, 4 SA.
inline constexpr const char* symbcoul[5] = {"♣", "♦", "♥", "♠", "SA"};
// Strain selectors list these and store (line + 3) mod 5.
inline constexpr const char* sacouls[5] = {"SA", "pique", "cœur", "carreau", "trèfle"};

// Toolkit colour indices of the suits: in bidding order and in suit-index
// order; the sans-atout entry 0 is the foreground colour.
inline constexpr int coulsymb[5] = {59, 169, 89, 136, 0};
inline constexpr int couls[5] = {136, 89, 169, 59, 0};

// Ranks 2..14: character of a rank, and rank labels from the ace down.
inline constexpr const char* cartes = "0123456789XVDRA";
inline constexpr const char* vl[13] = {"A", "R", "D", "V", "X", "9", "8",
                                       "7", "6", "5", "4", "3", "2"};

// Board numbers as text, 0 to 16: the label of a fixed board.
inline constexpr const char* num[17] = {"0", "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                        "9", "10", "11", "12", "13", "14", "15", "16"};
// Boards 1 to 16 with their dealer and vulnerable side (P none, T all).
inline constexpr const char* liste_numeros[16] = {
    "1 N/P",  "2 E/NS", "3  S/EO", "4 O/T",   "5 N/NS",  "6 E/EO",  "7 S/T",   "8 O/P",
    "9 N/EO", "10 E/T", "11 S/P",  "12 O/NS", "13 N/T",  "14 E/P",  "15 S/NS", "16 O/EO"};

// The deal with no card placed: 52 × 'V'.
inline const std::string vide(52, 'V');

// Letters naming conditions ("a".."z") and calculations ("A".."Z").
inline constexpr int max_lettres = 26;
inline constexpr const char* alph[max_lettres] = {"a", "b", "c", "d", "e", "f", "g", "h", "i",
                                                  "j", "k", "l", "m", "n", "o", "p", "q", "r",
                                                  "s", "t", "u", "v", "w", "x", "y", "z"};
inline constexpr const char* Alph[max_lettres] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                  "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                  "S", "T", "U", "V", "W", "X", "Y", "Z"};

// Par result: score from North-South's point of view, declarer seat and
// contract code (10 × level + bidding-order strain, + 5 when doubled).
struct structpar {
    int score = 0;
    int joueur = 0;
    int contrat = 0;
};
