// What the condition editor checks and shows of a placed condition, worked
// out without the toolkit so that a test reaches it without a display: the
// check of a parameter value against the other values of its condition, the
// check that every condition of a set has a kind before deals are drawn, and
// the texts of a condition's row in the list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "condouv.h"

// The common refusal of a parameter value, and the one that precedes it when
// an overcall is not higher than the opening it overcalls.
inline constexpr const char* alerte_condition_impossible =
    "Condition impossible ou non encore installée";
inline constexpr const char* alerte_intervention_impossible = "Intervention impossible";

// The pairs of values that go together: "choix" and "particularités" of
// kind 0, "ouverture" and "réponse" of kind 1, "par" and "sur" of kind 2,
// "nature" and "couleur" of kind 3. A pair may be stored only when it has a
// rule (ouverture_definie and an opening test that reads the particularité;
// repo_definie; an overcall higher than the opening and intervention_definie;
// a support count "S" in a suit), so that no set asks for a deal that never
// comes. The one value refused on its own is "SA" as the longest suit of
// kind 6.

// Whether value code v may be given to parameter k of coco, whose other
// parameters keep their current values; on false the user has been alerted
// (alerte_condition_impossible, preceded by alerte_intervention_impossible
// for an overcall not higher than the opening). Any value of a condition
// that holds fewer values than its kind has parameters is accepted: it has
// nothing to compare with.
bool verifie_coco(const Condouv& coco, int k, int v);

// Gives value v to parameter k of coco as the editor does: when v makes no
// pair with the other value of its pair, that other value moves to its first
// value, in list order, that makes one, so that every pair with a rule can be
// built whichever value is picked first. Returns false, with coco unchanged
// and the user alerted as verifie_coco does, when no value of the other
// parameter makes a pair with v.
bool donne_valeur(Condouv& coco, int k, int v);

// The first value of every parameter list of kind: what a condition holds
// once that kind is chosen, before any parameter is touched.
std::vector<int> valeurs_initiales(const Condition& kind);

// The letter of condition i ("a" + i), "" beyond "z".
std::string lettre_coco(int i);

// The alert that refuses to draw deals for c while condition i has no kind.
std::string alerte_coco_non_definie(int i);
// The first condition of c without a catalogue kind, or -1.
int coco_sans_kind(const Contraintes& c);
// Why no deal may be drawn for c while a condition has no kind, "" when
// none lacks one: the first such condition named (alerte_coco_non_definie).
// Such a condition is never met, and drawing for it would spend the whole
// budget for nothing.
std::string verifie_kinds(const Contraintes& c);

// The alert that refuses formula f as it is typed, when an operator of it
// finds too few values with every letter counting (lit_formule over 26
// conditions and 26 calculations): it names the first such operator and
// says that formulas are postfix, with an example; the formula in force is
// kept.
std::string alerte_formule_postfixe(const std::string& f);
// That refusal of f as typed, or "" when every operator of f finds its
// values: letters that name nothing yet do not make f refused, since a
// condition or a calculation may be added after it.
std::string refus_saisie_formule(const std::string& f);
// The warning about the characters of f, typed over nr conditions and nk
// calculations, that name neither: "Coco inexistante : " and each of them
// once, in order ("" when there is none). Checked are the lower-case letters
// from "a" + nr on, with "{", "}" and "~" after "z", and the upper-case
// letters from "A" + nk on. The formula is stored all the same.
std::string alerte_lettres_inexistantes(const std::string& f, std::size_t nr, std::size_t nk);

// Why no deal may be drawn for c's formulas, "" when they may: the first
// formula read for the draw that cannot be read to an answer, named.
// Without calculations (the generator and the trick, lead and step-by-step
// statistics) only the context is read, over the conditions, and only when
// there are conditions; with them (the counts of the calculations) the
// context and every calculation are read over the conditions and the
// calculations. A formula is refused when an operator finds too few values
// or the stack grows deeper than profondeur_max_formule; the context also
// when it leaves no value (no letter names a condition) or is false for
// every combination of its conditions' values (toujours_fausse): it would
// never hold, and every draw would spend the whole budget.
std::string refus_formules(const Contraintes& c, bool avec_calculs);
// Why no deal may be drawn for c, "" when they may: verifie_kinds, then
// refus_formules. Called before deals are drawn for c; the caller shows
// the refusal.
std::string verifie_tirage(const Contraintes& c, bool avec_calculs);

// Whether deleting condition n of c leaves a formula to rewrite: the context
// (unless it is "" or "Non") or a calculation names condition n or a later
// one, whose letters all move up by one.
bool formules_a_modifier(const Contraintes& c, int n);

// The row of a condition in the list: its seat ("Nord" .. "Ouest"; "" for a
// seat outside 0..3), its kind's name ("non définie" for a condition without
// a catalogue kind) and the text of its values, for each parameter its title,
// " FPC ", the value's plain label and " FNC " ("" without a kind).
std::string texte_joueur_coco(const Condouv& c);
std::string nom_kind_coco(const Condouv& c);
std::string texte_params_coco(const Condouv& c);
