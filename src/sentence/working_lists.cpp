// Working lists rebuilt from the check-box flags, and the feasibility tests.
#include "sentence/working_lists.h"

#include <algorithm>

#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

namespace {

// The list becomes the enabled entries of its full list, in full-list order, when the
// condition holds, and empty otherwise. Rebuilt from the full list each time, so a list that
// an earlier fill shortened or emptied gets its words back once they are enabled again.
void Remplit(StringArray &travail, const StringArray &tous, const FlagArray &coches,
             bool condition = true) {
    travail.clear();
    if (!condition)
        return;
    const std::size_t n = std::min(tous.size(), coches.size());
    for (std::size_t i = 0; i < n; ++i)
        if (coches[i])
            travail.push_back(tous[i]);
}

void Redimensionne(StringArray &travail, const StringArray &tous) { travail.resize(tous.size()); }

bool UnCoche(const FlagArray &coches) {
    return std::find(coches.begin(), coches.end(), true) != coches.end();
}

int NombreCoches(const FlagArray &coches) {
    return static_cast<int>(std::count(coches.begin(), coches.end(), true));
}

// Some enabled hat, or some enabled garment that some enabled person may wear (a girl or a
// lady never gets the shirt, a boy or a gentleman never the dress).
bool UnHabitPortable() {
    if (UnCoche(ChapeauxCoches))
        return true;
    for (std::size_t h = 0; h < HabitsTous.size() && h < HabitsCoches.size(); ++h) {
        if (!HabitsCoches[h])
            continue;
        for (std::size_t p = 0; p < PersosTous.size() && p < PersosCoches.size(); ++p) {
            if (!PersosCoches[p])
                continue;
            const String &perso = PersosTous[p];
            const bool refuse =
                platform::EndsWith(perso, u"_f")
                    ? HabitsTous[h] == u"habit_chemise_f"
                    : platform::EndsWith(perso, u"_m") && HabitsTous[h] == u"habit_robe_f";
            if (!refuse)
                return true;
        }
    }
    return false;
}

} // namespace

void ReinitialiseListesVerbes() {
    Redimensionne(ActionsIntransitif, VerbesIntransitifsTous);
    Redimensionne(VerbeJouerMusique, VerbeJouerMusiqueTous);
    Redimensionne(VerbeRegarder, VerbeRegarderTous);
    Redimensionne(VerbeLancer, VerbeLancerTous);
    Redimensionne(VerbeSoulever, VerbeSouleverTous);
    Redimensionne(VerbeTenir, VerbeTenirTous);
    Redimensionne(VerbePromener, VerbePromenerTous);
    Redimensionne(VerbePoursuivre, VerbePoursuivreTous);
    Redimensionne(VerbesLancerSurA, VerbesLancerSurATous);
    Redimensionne(VerbePorterSurEpaules, VerbePorterSurEpaulesTous);
    Redimensionne(VerbePorterHabit, VerbePorterHabitTous);
}

void ReinitialiseListesNoms() {
    Redimensionne(Persos, PersosTous);
    Redimensionne(Habits, HabitsTous);
    Redimensionne(Chapeaux, ChapeauxTous);
    Redimensionne(ObjetsUneMain, ObjetsUneMainTous);
    Redimensionne(ObjetsDeuxMains, ObjetsDeuxMainsTous);
    Redimensionne(ObjetsDonnesLances, ObjetsUneMainTous);
    Redimensionne(Animaux, AnimauxTous);
}

String FiltreListes(int persosok) {
    Remplit(Persos, PersosTous, PersosCoches, persosok >= 1);
    Remplit(Habits, HabitsTous, HabitsCoches);
    Remplit(Chapeaux, ChapeauxTous, ChapeauxCoches);
    Remplit(ObjetsUneMain, ObjetsUneMainTous, ObjetsUneMainCoches);
    Remplit(ObjetsDeuxMains, ObjetsDeuxMainsTous, ObjetsDeuxMainsCoches);
    Remplit(Animaux, AnimauxTous, AnimauxCoches);
    Remplit(Couleurs, CouleursTous, CouleursCoches);
    Remplit(Qui, QuiTous, QuiCoches);
    return u"0";
}

String filtreverbe(int renversablesok, int objetok, bool avecadjectif) {
    SentenceDebug(u"filtreverbe renversablesok = " + platform::Str(renversablesok) +
                  u" objetok = " + platform::Str(objetok) + u" avecadjectif = " +
                  (avecadjectif ? u"True" : u"False"));
    ReinitialiseListesVerbes();
    const bool sansObjet = objetok < 2 && !avecadjectif;
    const bool avecObjet = objetok >= 1;
    const bool pasPersonneObligee = renversablesok < 2;
    const bool personnePermise = renversablesok >= 1;
    Remplit(ActionsIntransitif, VerbesIntransitifsTous, VerbesIntransitifsCoches, sansObjet);
    Remplit(VerbeJouerMusique, VerbeJouerMusiqueTous, VerbeJouerMusiqueCoches, sansObjet);
    Remplit(VerbeRegarder, VerbeRegarderTous, VerbeRegarderCoches, avecObjet);
    const bool objetTenu = avecObjet && pasPersonneObligee && !avecadjectif;
    Remplit(VerbeLancer, VerbeLancerTous, VerbeLancerCoches, objetTenu);
    Remplit(VerbeSoulever, VerbeSouleverTous, VerbeSouleverCoches, objetTenu);
    Remplit(VerbeTenir, VerbeTenirTous, VerbeTenirCoches, objetTenu);
    // Walking an animal is allowed by the basic-sentence option, not by the clause's level.
    Remplit(VerbePromener, VerbePromenerTous, VerbePromenerCoches,
            codok >= 1 && pasPersonneObligee);
    const bool surPersonne = avecObjet && personnePermise && !avecadjectif;
    Remplit(VerbePoursuivre, VerbePoursuivreTous, VerbePoursuivreCoches, surPersonne);
    Remplit(VerbesLancerSurA, VerbesLancerSurATous, VerbesLancerSurACoches, surPersonne);
    Remplit(VerbePorterSurEpaules, VerbePorterSurEpaulesTous, VerbePorterSurEpaulesCoches,
            surPersonne);
    Remplit(VerbePorterHabit, VerbePorterHabitTous, VerbePorterHabitCoches,
            avecObjet && pasPersonneObligee);
    SentenceDebug(u"on vient de passer au filtre verbes");
    return u"0";
}

bool TransitifObjetPossible() {
    const bool unObjet = UnCoche(ObjetsUneMainCoches);
    const bool deuxObjets = UnCoche(ObjetsDeuxMainsCoches);
    return (UnCoche(VerbePromenerCoches) && UnCoche(AnimauxCoches)) ||
           (UnCoche(VerbeRegarderCoches) && (unObjet || deuxObjets)) ||
           (UnCoche(VerbePorterHabitCoches) && UnHabitPortable()) ||
           (UnCoche(VerbeLancerCoches) && unObjet) ||
           (UnCoche(VerbeTenirCoches) && (unObjet || deuxObjets)) ||
           (UnCoche(VerbeSouleverCoches) && deuxObjets);
}

bool TransitifPersoPossible() {
    const int persos = NombreCoches(PersosCoches);
    SentenceDebug(u"on a ce nombre de persos dans le game " + platform::Str(persos));
    // Agent and patient are two different persons.
    // Throwing at or to somebody needs something to throw.
    return persos >= 2 && (UnCoche(VerbeRegarderCoches) ||
                           (UnCoche(VerbesLancerSurACoches) && UnCoche(ObjetsUneMainCoches)) ||
                           UnCoche(VerbePorterSurEpaulesCoches) || UnCoche(VerbePoursuivreCoches));
}

bool TransitifPossible() { return TransitifObjetPossible() || TransitifPersoPossible(); }

bool IntransitifPossible() {
    return UnCoche(VerbesIntransitifsCoches) || UnCoche(VerbeJouerMusiqueCoches);
}

bool AdjectifsPossibles() {
    return UnCoche(CouleursCoches) &&
           (UnCoche(VerbePromenerCoches) || UnCoche(VerbePorterHabitCoches) ||
            UnCoche(VerbeRegarderCoches));
}
