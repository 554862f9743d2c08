#pragma once
// The sentence engine's vocabulary and the player's choices: every word and verb category as a
// full list (`...Tous`, fixed order), a working list (the enabled codes, rebuilt by the fillers
// of working_lists.h) and check-box flags (`...Coches`, one per full-list entry); the synonym
// lists; the ten option levels and six sub-options; the board settings.
//
// Option levels: 0 "non" (never), 1 "pourquoi pas" (drawn at random), 2 "si possible" (required
// whenever the enabled words allow it).
#include <vector>

#include "platform/text.h"

using StringArray = std::vector<String>;
using FlagArray = std::vector<bool>;

// --- Nouns, colours and the relative pronoun ---
extern StringArray PersosTous, Persos;
extern FlagArray PersosCoches;
extern StringArray HabitsTous, Habits;
extern FlagArray HabitsCoches;
extern StringArray ChapeauxTous, Chapeaux;
extern FlagArray ChapeauxCoches;
extern StringArray ObjetsUneMainTous, ObjetsUneMain;
extern FlagArray ObjetsUneMainCoches;
extern StringArray ObjetsDeuxMainsTous, ObjetsDeuxMains;
extern FlagArray ObjetsDeuxMainsCoches;
extern StringArray AnimauxTous, Animaux;
extern FlagArray AnimauxCoches;
extern StringArray CouleursTous, Couleurs;
extern FlagArray CouleursCoches;
extern StringArray QuiTous, Qui;
extern FlagArray QuiCoches;
// Objects that may be given or thrown (roles ObjetDonneLance1/2); no flags of its own.
extern StringArray ObjetsDonnesLances;

// --- Verbs ---
extern StringArray VerbesIntransitifsTous, ActionsIntransitif;
extern FlagArray VerbesIntransitifsCoches;
extern StringArray VerbeJouerMusiqueTous, VerbeJouerMusique;
extern FlagArray VerbeJouerMusiqueCoches;
extern StringArray VerbeRegarderTous, VerbeRegarder;
extern FlagArray VerbeRegarderCoches;
extern StringArray VerbeLancerTous, VerbeLancer;
extern FlagArray VerbeLancerCoches;
extern StringArray VerbeSouleverTous, VerbeSoulever;
extern FlagArray VerbeSouleverCoches;
extern StringArray VerbeTenirTous, VerbeTenir;
extern FlagArray VerbeTenirCoches;
extern StringArray VerbePromenerTous, VerbePromener;
extern FlagArray VerbePromenerCoches;
extern StringArray VerbePoursuivreTous, VerbePoursuivre;
extern FlagArray VerbePoursuivreCoches;
extern StringArray VerbesLancerSurATous, VerbesLancerSurA;
extern FlagArray VerbesLancerSurACoches;
extern StringArray VerbePorterSurEpaulesTous, VerbePorterSurEpaules;
extern FlagArray VerbePorterSurEpaulesCoches;
extern StringArray VerbePorterHabitTous, VerbePorterHabit;
extern FlagArray VerbePorterHabitCoches;

// --- Synonyms: each list with the synonym currently drawn ("" until TireSynonymes runs) ---
extern StringArray SynonymesCaisse, SynonymesGateau, SynonymesCadeau, SynonymesPorter,
    SynonymesJouer, SynonymesSoulever, SynonymesLancer, SynonymesTenir, SynonymesLancerSur,
    SynonymesLancerA, SynonymesDame, SynonymesPetiteFille, SynonymesMonsieur, SynonymesRegarder,
    SynonymesMarteau, SynonymesRose, SynonymesCuisiner, SynonymesPedaler;
extern String SynonymeCaisse, SynonymeGateau, SynonymeCadeau, SynonymePorter, SynonymeJouer,
    SynonymeSoulever, SynonymeLancer, SynonymeTenir, SynonymeLancerSur, SynonymeLancerA,
    SynonymeDame, SynonymePetiteFille, SynonymeMonsieur, SynonymeRegarder, SynonymeMarteau,
    SynonymeRose, SynonymeCuisiner, SynonymePedaler;

// --- Words that may come next in the build-a-sentence game (32 slots at start) ---
extern StringArray ListeComplementsPossibles;
extern int NombreComplementsPossibles;

// --- Option levels (0, 1 or 2), in the order of the preferences file ---
extern int queok;
extern int passiveok;
extern int emphatiqueok;
extern int expansiongn1ok;
extern int expansiongn2ok;
extern int adjectifsok;
extern int codok;
extern int renversableok;
extern int renversablegn1ok;
extern int renversablegn2ok;

// --- Sub-options, in file order ---
extern bool PassiveEnchasseeOk;
extern bool PassiveFinOk;
extern bool OrdreVerbeSujetOk;
extern bool OrdreSujetVerbeOk;
extern bool AccentAgentOk;
extern bool AccentPatientOk;

// --- Board settings ---
extern int nombredetours;
extern int nombredephrases;
extern int nombredanimations;
extern int modedejeu;
// 0 "syntaxiques", 1 "lexicales".
extern int choixvariations;
extern float seuilvariation;
extern bool fauxeleph;
extern bool vraieleph;

// The clause that must carry a colour when the adjective level is 2, written by the generator:
// 0 main clause, 1 clause on the agent, 2 clause on the patient, 4 none.
extern int propositionadjectif;

// Restores every global above to its start value (working lists full-length and empty, all
// flags on). Runs once at start; tests call it between cases. The random seed is not touched.
void InitVocabulary();
