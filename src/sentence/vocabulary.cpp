// Vocabulary tables and option globals, and their start values.
#include "sentence/vocabulary.h"

StringArray PersosTous, Persos;
FlagArray PersosCoches;
StringArray HabitsTous, Habits;
FlagArray HabitsCoches;
StringArray ChapeauxTous, Chapeaux;
FlagArray ChapeauxCoches;
StringArray ObjetsUneMainTous, ObjetsUneMain;
FlagArray ObjetsUneMainCoches;
StringArray ObjetsDeuxMainsTous, ObjetsDeuxMains;
FlagArray ObjetsDeuxMainsCoches;
StringArray AnimauxTous, Animaux;
FlagArray AnimauxCoches;
StringArray CouleursTous, Couleurs;
FlagArray CouleursCoches;
StringArray QuiTous, Qui;
FlagArray QuiCoches;
StringArray ObjetsDonnesLances;

StringArray VerbesIntransitifsTous, ActionsIntransitif;
FlagArray VerbesIntransitifsCoches;
StringArray VerbeJouerMusiqueTous, VerbeJouerMusique;
FlagArray VerbeJouerMusiqueCoches;
StringArray VerbeRegarderTous, VerbeRegarder;
FlagArray VerbeRegarderCoches;
StringArray VerbeLancerTous, VerbeLancer;
FlagArray VerbeLancerCoches;
StringArray VerbeSouleverTous, VerbeSoulever;
FlagArray VerbeSouleverCoches;
StringArray VerbeTenirTous, VerbeTenir;
FlagArray VerbeTenirCoches;
StringArray VerbePromenerTous, VerbePromener;
FlagArray VerbePromenerCoches;
StringArray VerbePoursuivreTous, VerbePoursuivre;
FlagArray VerbePoursuivreCoches;
StringArray VerbesLancerSurATous, VerbesLancerSurA;
FlagArray VerbesLancerSurACoches;
StringArray VerbePorterSurEpaulesTous, VerbePorterSurEpaules;
FlagArray VerbePorterSurEpaulesCoches;
StringArray VerbePorterHabitTous, VerbePorterHabit;
FlagArray VerbePorterHabitCoches;

StringArray SynonymesCaisse, SynonymesGateau, SynonymesCadeau, SynonymesPorter, SynonymesJouer,
    SynonymesSoulever, SynonymesLancer, SynonymesTenir, SynonymesLancerSur, SynonymesLancerA,
    SynonymesDame, SynonymesPetiteFille, SynonymesMonsieur, SynonymesRegarder, SynonymesMarteau,
    SynonymesRose, SynonymesCuisiner, SynonymesPedaler;
String SynonymeCaisse, SynonymeGateau, SynonymeCadeau, SynonymePorter, SynonymeJouer,
    SynonymeSoulever, SynonymeLancer, SynonymeTenir, SynonymeLancerSur, SynonymeLancerA,
    SynonymeDame, SynonymePetiteFille, SynonymeMonsieur, SynonymeRegarder, SynonymeMarteau,
    SynonymeRose, SynonymeCuisiner, SynonymePedaler;

StringArray ListeComplementsPossibles;
int NombreComplementsPossibles = 0;

int queok = 0;
int passiveok = 0;
int emphatiqueok = 0;
int expansiongn1ok = 0;
int expansiongn2ok = 0;
int adjectifsok = 1;
int codok = 1;
int renversableok = 1;
int renversablegn1ok = 1;
int renversablegn2ok = 1;

bool PassiveEnchasseeOk = true;
bool PassiveFinOk = true;
bool OrdreVerbeSujetOk = true;
bool OrdreSujetVerbeOk = true;
bool AccentAgentOk = true;
bool AccentPatientOk = true;

int nombredetours = 4;
int nombredephrases = 3;
int nombredanimations = 3;
int modedejeu = 0;
int choixvariations = 0;
float seuilvariation = 0.7f;
bool fauxeleph = false;
bool vraieleph = false;

int propositionadjectif = 0;

namespace {

// A category starts with its full list, a working list of as many empty slots, all flags on.
void Categorie(StringArray &tous, StringArray &travail, FlagArray &coches, StringArray entries) {
    tous = std::move(entries);
    travail.assign(tous.size(), String());
    coches.assign(tous.size(), true);
}

// Runs the reset before main so that the tables are filled even for code that never calls it.
[[maybe_unused]] const bool initialised = (InitVocabulary(), true);

} // namespace

void InitVocabulary() {
    Categorie(
        PersosTous, Persos, PersosCoches,
        {u"perso_dame_f", u"perso_monsieur_m", u"perso_petit garcon_m", u"perso_petite fille_f"});
    Categorie(HabitsTous, Habits, HabitsCoches,
              {u"habit_pull_m", u"habit_chemise_f", u"habit_robe_f", u"habit_manteau_m",
               u"habit_tshirt_m"});
    Categorie(ChapeauxTous, Chapeaux, ChapeauxCoches,
              {u"chapeau_chapeau_de_couleur_m", u"chapeau_bonnet_m", u"chapeau_casquette_f"});
    Categorie(ObjetsUneMainTous, ObjetsUneMain, ObjetsUneMainCoches,
              {u"unemain_pomme_f", u"unemain_banane_f", u"unemain_balle_f", u"unemain_rose_f",
               u"unemain_marteau_m"});
    Categorie(ObjetsDeuxMainsTous, ObjetsDeuxMains, ObjetsDeuxMainsCoches,
              {u"deuxmains_caisse_f", u"deuxmains_paquet-cadeau_m", u"deuxmains_gateau_m",
               u"deuxmains_toureiffel_f", u"deuxmains_elephant_m", u"deuxmains_statue_f"});
    Categorie(
        AnimauxTous, Animaux, AnimauxCoches,
        {u"animal_chien_m", u"animal_crocodile_m", u"animal_elephant_m", u"animal_poisson_m"});
    Categorie(
        CouleursTous, Couleurs, CouleursCoches,
        {u"rouge", u"bleu", u"vert", u"gris", u"jaune", u"violet", u"blanc", u"marron", u"rose"});
    Categorie(QuiTous, Qui, QuiCoches, {u"qui"});
    ObjetsDonnesLances.assign(ObjetsUneMainTous.size(), String());

    Categorie(VerbesIntransitifsTous, ActionsIntransitif, VerbesIntransitifsCoches,
              {u"i_marcher", u"i_courir", u"i_lever les bras", u"i_lever un bras", u"i_pedaler",
               u"i_cuisiner", u"i_dormir"});
    Categorie(VerbeJouerMusiqueTous, VerbeJouerMusique, VerbeJouerMusiqueCoches,
              {u"i_jouer de la musique"});
    Categorie(VerbeRegarderTous, VerbeRegarder, VerbeRegarderCoches, {u"po_regarder"});
    Categorie(VerbeLancerTous, VerbeLancer, VerbeLancerCoches, {u"oum_lancer"});
    Categorie(VerbeSouleverTous, VerbeSoulever, VerbeSouleverCoches, {u"odm_soulever"});
    Categorie(VerbeTenirTous, VerbeTenir, VerbeTenirCoches, {u"ouodm_tenir"});
    Categorie(VerbePromenerTous, VerbePromener, VerbePromenerCoches, {u"a_promener"});
    Categorie(VerbePoursuivreTous, VerbePoursuivre, VerbePoursuivreCoches, {u"p_poursuivre"});
    Categorie(VerbesLancerSurATous, VerbesLancerSurA, VerbesLancerSurACoches,
              {u"p_lancer sur", u"p_lancer a"});
    Categorie(VerbePorterSurEpaulesTous, VerbePorterSurEpaules, VerbePorterSurEpaulesCoches,
              {u"p_portersurepaules"});
    Categorie(VerbePorterHabitTous, VerbePorterHabit, VerbePorterHabitCoches, {u"h_wear"});

    SynonymesCaisse = {u"caisse", u"caisse en bois"};
    SynonymesGateau = {u"gâteau", u"gâteau d'anniversaire"};
    SynonymesCadeau = {u"cadeau", u"paquet-cadeau", u"paquet"};
    SynonymesPorter = {u"porte", u"a mis", u"a"};
    SynonymesJouer = {u"joue de la guitare", u"joue de la musique"};
    SynonymesSoulever = {u"soulève", u"ramasse", u"prend"};
    SynonymesLancer = {u"lance", u"envoie", u"jette"};
    SynonymesTenir = {u"tient", u"apporte", u"a"};
    SynonymesLancerSur = {u"lance", u"envoie", u"jette"};
    SynonymesLancerA = {u"lance", u"envoie", u"passe"};
    SynonymesDame = {u"dame", u"femme"};
    SynonymesPetiteFille = {u"petite fille", u"fillette"};
    SynonymesMonsieur = {u"monsieur", u"bonhomme", u"homme"};
    SynonymesRegarder = {u"regarde", u"observe"};
    SynonymesMarteau = {u"marteau", u"outil"};
    SynonymesRose = {u"rose", u"fleur"};
    SynonymesCuisiner = {u"cuisine", u"fait à manger"};
    SynonymesPedaler = {u"pédale", u"roule"};
    for (String *current :
         {&SynonymeCaisse, &SynonymeGateau, &SynonymeCadeau, &SynonymePorter, &SynonymeJouer,
          &SynonymeSoulever, &SynonymeLancer, &SynonymeTenir, &SynonymeLancerSur, &SynonymeLancerA,
          &SynonymeDame, &SynonymePetiteFille, &SynonymeMonsieur, &SynonymeRegarder,
          &SynonymeMarteau, &SynonymeRose, &SynonymeCuisiner, &SynonymePedaler})
        current->clear();

    queok = 0;
    passiveok = 0;
    emphatiqueok = 0;
    expansiongn1ok = 0;
    expansiongn2ok = 0;
    adjectifsok = 1;
    codok = 1;
    renversableok = 1;
    renversablegn1ok = 1;
    renversablegn2ok = 1;

    PassiveEnchasseeOk = true;
    PassiveFinOk = true;
    OrdreVerbeSujetOk = true;
    OrdreSujetVerbeOk = true;
    AccentAgentOk = true;
    AccentPatientOk = true;

    nombredetours = 4;
    nombredephrases = 3;
    nombredanimations = 3;
    modedejeu = 0;
    choixvariations = 0;
    seuilvariation = 0.7f;
    fauxeleph = false;
    vraieleph = false;
    propositionadjectif = 0;

    // One slot per entry of the seven noun working lists (colours and "qui" not counted).
    const std::size_t slots = Persos.size() + Habits.size() + Chapeaux.size() +
                              ObjetsUneMain.size() + ObjetsDeuxMains.size() + Animaux.size() +
                              ObjetsDonnesLances.size();
    ListeComplementsPossibles.assign(slots, String());
    NombreComplementsPossibles = static_cast<int>(slots);
}
