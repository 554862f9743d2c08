#pragma once
// Helpers shared by the sentence tests: the usual fixture, the check-box arrays, the roles of a
// structure, structures written as text, and the colour agreement a reader expects.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "sentence/structure_action.h"
#include "sentence/vocabulary.h"

// Start vocabulary, start seed, debug lines silenced; the vocabulary is restored afterwards.
class SentenceTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

std::string U8(const String& text);
// The random generator's seed after one more draw.
std::uint32_t UnPasPlusLoin(std::uint32_t graine);

// Each category's full word list with its boxes (with "qui" when asked, after the colours).
std::vector<std::pair<const StringArray*, FlagArray*>> Categories(bool avecQui = false);
// Every word and verb box (with the "qui" box when asked, after the colours).
std::vector<FlagArray*> ToutesLesCases(bool avecQui = false);
void ToutDecocher(FlagArray& coches);
// Every verb box off, so that a test enables only what it names.
void AucunVerbe();
// The ten option levels and the six sub-options, in the order of the options screen.
std::vector<int*> NiveauxDOptions();
std::vector<bool*> SousOptions();

// A set-up of the matching or ordering game drawn at random: fresh vocabulary and synonyms,
// each box ticked seven times in ten, random levels, sub-options, board sizes, game mode and
// kind of variations. formesDemandees: a teacher's set, with passives, "que" clauses and
// colours asked for.
void OptionsDeTableauAuHasard(std::mt19937& hasard, bool formesDemandees = false);

// The thirteen word roles of a structure, in declaration order, and their field names.
std::vector<String> Roles(const StructureAction& s);
extern const std::vector<String> NomsDesRoles;
std::map<String, String> RolesParNom(const StructureAction& s);
// The analysis flags that are true, in declaration order, separated by spaces.
String DrapeauxVrais(const StructureAction& s);
// One line per structure: roles, persons and form flags.
std::string Resume(const StructureAction& s);
// "Passive;GN1=perso_dame_f;Action=po_regarder": roles by field name or short name (GN1, Adj1,
// VC1, OC1, OCAdj1, Action, GN2, Adj2, VC2, OC2, OCAdj2, Lance1, Lance2), form flags named alone.
StructureAction Structure(const String& description);
// Only the roles a description names, by field name.
std::map<String, String> RolesDecrits(const String& description);
// Words separated by commas ("perso_dame_f,qui,i_dormir"); "" gives one empty slot.
StringArray Mots(const String& texte);

// A reader takes each relative pronoun of "C'est X qui ..." as said of the noun right before it,
// so a presentative reads one way only when X carries the cleft's pronoun and nothing else: the
// text then holds one relative pronoun more than the clauses of the other nouns. "" when it
// does (or the text has no "C'est"), else what is wrong.
std::string PresentatifEquivoqueDansLeTexte(const StructureAction& s, const String& texte);

// The colour a reader expects after a noun of the given gender.
String CouleurAttendue(const String& couleur, bool feminin);
