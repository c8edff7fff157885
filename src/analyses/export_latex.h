// The LaTeX export of the kept series: the data file "latex/diagrammes.tmp"
// that the masters "latex/diagrammes.tex" and "latex/diagrammesdds.tex" read,
// and the commands that turn it into a PDF and open it.
//
// The data file, one item a line: the deal count asked (`nb_d`), the series
// name, then per deal its board number, 16 lines of cards (seats N, O, E, S,
// suits ♠ ♥ ♦ ♣; a void is an empty line) and, with tables, the par line and
// four lines "N&c&d&h&s&sa" (seats N, E, S, O; tricks in ♣ ♦ ♥ ♠ SA).
#pragma once

#include <string>
#include <vector>

#include "serie.h"

// Path of the data file, relative to the working directory.
inline constexpr const char* fichier_diagrammes = "latex/diagrammes.tmp";

// Board numbers of the n deals of a series generated under numerofixe.
std::vector<int> numerote(int numerofixe, std::size_t n);

// The par line of a par result: level, strain macro, "{}X" when doubled,
// "{  }par ", declarer, two blanks, score (North-South's view).
std::string ligne_par(const structpar& p);

// The whole text of the data file for the deals d numbered by n (a deal
// without a number in n takes the one s.numerofixe gives it). The par lines
// and tables of s are written when `tables` is true and s holds one of each
// per deal. A line break in the name becomes a blank: the name is one line.
std::string texte_diagrammes(int nb_d, const serie_donnes& d, const std::vector<int>& n,
                             const Serie& s, bool tables);

// True when the export writes tables: the option " Tableau DDS" is on now and
// the kept series was generated with the tables of all its deals.
bool tables_a_ecrire();

// Writes the data file of the kept series (`donnes`, `nums`, `serie`,
// `nb_d`); deals without a number in `nums` are numbered from the series'
// own numbering first. No deal: alert "Pas de diagramme à afficher" and
// false; a file that cannot be written: an alert and false.
bool ecrit_diag();

// The text of s quoted for the shell: one argument, whatever it holds.
std::string quote_shell(const std::string& s);
// The pdflatex command for the plain master, or the one with tables.
std::string commande_pdflatex(bool tables);
// The command that starts the reader on the PDF, detached, so that the
// program does not wait for it; cmdpdf is the configured reader command
// line, written as the user typed it ("" means xdg-open).
std::string commande_lecteur(const std::string& cmdpdf, bool tables);

// The menu action "Crée pdf": numbers the deals of the kept series, writes
// the data file, runs pdflatex on the master that fits and starts the reader
// on the PDF. Every refusal or failure is an alert (a failed pdflatex names
// its log file and the reader is not started); true when the reader was
// started.
bool cree_pdf();
