// Properties of the sentences written for tens of thousands of generated structures under
// random option sets: punctuation and spaces, elision and contraction, agreement, the markup of
// the ordering game, and the spelling of every word (checked with hunspell's French dictionary).
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/random.h"
#include "platform/text.h"
#include "sentence/generation.h"
#include "sentence/lexicon.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence_test_support.h"

namespace {

using platform::ToUtf8;

constexpr int JeuxDOptions = 2000;
constexpr int StructuresParJeu = 16;

struct Phrase {
    StructureAction structure;
    bool synonymes = false;
    String texte;
    String balise;
    // The lexicon's words as they were when the sentence was written (synonyms change per board).
    String passif;
    std::vector<String> nomsDesCouleurs; // per colour/noun pair, the noun's word ("" if none)
};

bool Feminin(const String& code) {
    const String base = code.substr(0, code.find(u'|'));
    return platform::EndsWith(base, u"_f");
}

std::vector<String> MotsDuTexte(const String& texte) {
    std::vector<String> mots;
    for (const String& mot : platform::Split(texte, u" "))
        if (!mot.empty())
            mots.push_back(mot);
    return mots;
}

bool DebuteParVoyelle(const String& mot) {
    static const String voyelles = u"aeéèêiouhAEÉÈÊIOUH";
    return !mot.empty() && voyelles.find(mot[0]) != String::npos;
}

// The plain sentence as the ordering game shows it once the tags are back in order: markers
// dropped, one space between tags, none after an apostrophe or before the full stop.
String SansBalises(String balise) {
    for (const char16_t* marque :
         {MarquePropositionA, MarquePropositionB, MarqueVerbeApresQue, MarqueVerbeVersLaFin})
        balise = platform::Replace(balise, marque, u"");
    std::vector<String> morceaux;
    for (const String& morceau : platform::Split(balise, MarqueFinEtiquette)) {
        const String net = platform::Trim(morceau);
        if (!net.empty())
            morceaux.push_back(net);
    }
    String texte = platform::Join(morceaux, u" ");
    texte = platform::Replace(texte, u"' ", u"'");
    return platform::Replace(texte, u" .", u".");
}

// Random options and enabled words; some sets keep every word enabled.
void TireOptions(std::mt19937& alea) {
    InitVocabulary();
    std::uniform_int_distribution<int> niveau(0, 2);
    std::bernoulli_distribution sousOption(0.75);
    for (int* option : NiveauxDOptions())
        *option = niveau(alea);
    for (bool* option : SousOptions())
        *option = sousOption(alea);
    if (std::bernoulli_distribution(0.25)(alea))
        return;
    std::bernoulli_distribution coche(0.7);
    for (FlagArray* coches : ToutesLesCases())
        for (std::size_t i = 0; i < coches->size(); ++i)
            (*coches)[i] = coche(alea);
}

// Structures drawn under random option sets, each written once plain and once with markup.
std::vector<Phrase> GenerePhrases() {
    std::vector<Phrase> phrases;
    SilenceSentenceDebug();
    platform::SetSeed(platform::StartSeed);
    std::mt19937 alea(20261206);
    for (int jeu = 0; jeu < JeuxDOptions; ++jeu) {
        TireOptions(alea);
        for (int k = 0; k < StructuresParJeu; ++k) {
            StructureAction s;
            if (!GenereStructureAction(s, false, true))
                continue;
            TireSynonymes();
            const bool synonymes = k % 2 == 0;
            Phrase phrase{s,
                          synonymes,
                          PhraseDeStructure(synonymes, s, false),
                          PhraseDeStructure(synonymes, s, true),
                          MotFrancais(synonymes, false, s.Action),
                          {}};
            for (const String* nom :
                 {&s.GroupeNominal1, &s.ObjetComplement1, &s.GroupeNominal2, &s.ObjetComplement2})
                phrase.nomsDesCouleurs.push_back(MotFrancais(synonymes, true, *nom));
            phrases.push_back(std::move(phrase));
        }
    }
    InitVocabulary();
    return phrases;
}

void AssezDePhrasesEtDeFormesVariees(const std::vector<Phrase>& phrases) {
    std::set<String> distinctes;
    int passives = 0, relatives = 0, presentatives = 0, verbeSujet = 0;
    for (const Phrase& p : phrases) {
        distinctes.insert(p.texte);
        passives += p.structure.Passive;
        relatives += p.structure.RelativeQue;
        presentatives += p.structure.Presentatif;
        verbeSujet += p.structure.RelativeQue && p.structure.OrdreVerbeSujet;
    }
    std::printf("%zu structures, %zu distinct sentences (%d passive, %d relative, %d "
                "presentative, %d verb-subject)\n",
                phrases.size(), distinctes.size(), passives, relatives, presentatives, verbeSujet);
    EXPECT_GT(phrases.size(), 20000u);
    EXPECT_GT(distinctes.size(), 5000u);
    EXPECT_GT(passives, 500);
    EXPECT_GT(relatives, 500);
    EXPECT_GT(presentatives, 500);
    EXPECT_GT(verbeSujet, 100);
}

void MajusculePointEtEspaces(const std::vector<Phrase>& phrases) {
    int fautes = 0;
    for (const Phrase& p : phrases) {
        const String& t = p.texte;
        const bool bon = t.size() > 2 && platform::ToUpperUnit(t[0]) == t[0] &&
                         platform::ToLowerUnit(t[0]) != t[0] && t.back() == u'.' &&
                         t.find(u'.') == t.size() - 1 && t.find(u"  ") == String::npos &&
                         t.find(u" .") == String::npos && t[0] != u' ';
        if (!bon && ++fautes <= 5)
            ADD_FAILURE() << ToUtf8(t);
    }
    EXPECT_EQ(fautes, 0);
}

void ElisionEtContraction(const std::vector<Phrase>& phrases) {
    int fautes = 0;
    for (const Phrase& p : phrases) {
        const std::vector<String> mots = MotsDuTexte(p.texte);
        for (std::size_t i = 0; i + 1 < mots.size(); ++i) {
            const String& mot = mots[i];
            const String& suivant = mots[i + 1];
            const bool contraction =
                (mot == u"à" || mot == u"de") && (suivant == u"le" || suivant == u"les");
            const bool elisionOubliee =
                (mot == u"que" || mot == u"le" || mot == u"Le") && DebuteParVoyelle(suivant);
            if ((contraction || elisionOubliee) && ++fautes <= 5)
                ADD_FAILURE() << ToUtf8(p.texte);
        }
        // "qu'" and "l'" are only written before a vowel.
        for (const String& mot : mots) {
            const int apostrophe = platform::Find(mot, u"'");
            const String avant = apostrophe < 0 ? String() : platform::Left(mot, apostrophe + 1);
            if ((avant == u"qu'" || avant == u"l'" || avant == u"L'") &&
                !DebuteParVoyelle(mot.substr(static_cast<std::size_t>(apostrophe) + 1)) &&
                ++fautes <= 5)
                ADD_FAILURE() << ToUtf8(p.texte);
        }
    }
    EXPECT_EQ(fautes, 0);
}

void CouleursAccordeesAvecLeurNom(const std::vector<Phrase>& phrases) {
    int fautes = 0, feminines = 0;
    for (const Phrase& p : phrases) {
        const StructureAction& s = p.structure;
        const std::pair<const String*, const String*> paires[] = {
            {&s.GroupeNominalAdjectif1, &s.GroupeNominal1},
            {&s.ObjetComplementAdjectif1, &s.ObjetComplement1},
            {&s.GroupeNominalAdjectif2, &s.GroupeNominal2},
            {&s.ObjetComplementAdjectif2, &s.ObjetComplement2}};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto& [couleur, nom] = paires[i];
            if (couleur->empty() || nom->empty())
                continue;
            feminines += Feminin(*nom);
            const String attendu =
                p.nomsDesCouleurs[i] + u" " + CouleurAttendue(*couleur, Feminin(*nom));
            if (!platform::Contains(p.texte, attendu + u" ") &&
                !platform::Contains(p.texte, attendu + u".") && ++fautes <= 5)
                ADD_FAILURE() << ToUtf8(p.texte) << " lacks " << ToUtf8(attendu);
        }
    }
    EXPECT_EQ(fautes, 0);
    EXPECT_GT(feminines, 100);
}

void ParticipePassifAccordeAvecLeSujet(const std::vector<Phrase>& phrases) {
    int fautes = 0, participes = 0;
    for (const Phrase& p : phrases) {
        const StructureAction& s = p.structure;
        const std::vector<String> mots = MotsDuTexte(platform::Replace(p.texte, u".", u""));
        for (std::size_t i = 0; i + 1 < mots.size(); ++i) {
            // "se fait" is followed by an infinitive, never by an agreed form.
            if (mots[i] == u"fait" && i > 0 && mots[i - 1] == u"se" &&
                !platform::EndsWith(mots[i + 1], u"er") && ++fautes <= 5)
                ADD_FAILURE() << ToUtf8(p.texte);
        }
        if (!s.Passive || s.RelativeQue)
            continue;
        const String& passif = p.passif;
        if (!platform::StartsWith(passif, u"est "))
            continue;
        ++participes;
        const String accorde = Feminin(s.GroupeNominal2) ? passif + u"e" : passif;
        if (!platform::Contains(p.texte, accorde + u" ") &&
            !platform::Contains(p.texte, accorde + u".") && ++fautes <= 5)
            ADD_FAILURE() << ToUtf8(p.texte) << " lacks " << ToUtf8(accorde);
    }
    EXPECT_EQ(fautes, 0);
    EXPECT_GT(participes, 200);
}

void BalisesRetireesDonnentLaPhrase(const std::vector<Phrase>& phrases) {
    int fautes = 0;
    for (const Phrase& p : phrases) {
        const String& b = p.balise;
        const bool bon = SansBalises(b) == p.texte && platform::EndsWith(b, u"**.") &&
                         !platform::Contains(b, u"** ");
        if (!bon && ++fautes <= 5)
            ADD_FAILURE() << ToUtf8(b) << "\n vs " << ToUtf8(p.texte);
    }
    EXPECT_EQ(fautes, 0);
}

// "C'est le bonhomme qui prend une caisse qui regarde un chien": the second "qui" reads as said
// of the box. No drawn sentence puts forward a noun that has a clause of its own.
void PresentatifsLusDUneSeuleFacon(const std::vector<Phrase>& phrases) {
    int fautes = 0, presentatifs = 0;
    for (const Phrase& p : phrases) {
        presentatifs += platform::StartsWith(p.texte, u"C'est ");
        const std::string faute = PresentatifEquivoqueDansLeTexte(p.structure, p.texte);
        if (!faute.empty() && ++fautes <= 5)
            ADD_FAILURE() << faute;
    }
    EXPECT_EQ(fautes, 0);
    EXPECT_GT(presentatifs, 500);
}

// Every word of every sentence is known to the French dictionary. Runs last: without hunspell
// the test is reported skipped once the other properties have been checked.
void OrthographeSelonHunspell(const std::vector<Phrase>& phrases) {
    if (std::system("echo phrase | hunspell -d fr_FR -l >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "hunspell or its French dictionary is not installed";
    std::set<String> distinctes;
    for (const Phrase& p : phrases)
        distinctes.insert(p.texte);
    const std::string fichier = std::string(MQ_TEST_OUTPUT) + "/phrases_generees.txt";
    {
        std::ofstream sortie(fichier);
        for (const String& texte : distinctes)
            sortie << ToUtf8(texte) << '\n';
    }
    const std::string commande = "hunspell -i utf-8 -d fr_FR -l < '" + fichier + "' | sort -u";
    FILE* tube = popen(commande.c_str(), "r");
    ASSERT_NE(tube, nullptr);
    std::string inconnus;
    char ligne[256];
    while (std::fgets(ligne, sizeof ligne, tube))
        inconnus += ligne;
    EXPECT_EQ(pclose(tube), 0);
    EXPECT_EQ(inconnus, "") << "words unknown to hunspell in " << fichier;
}

// One corpus for every property: drawing it is the slow part.
TEST(ProprietesDesPhrases, PhrasesGenereesSousDesOptionsAuHasard) {
    const std::vector<Phrase> phrases = GenerePhrases();
    AssezDePhrasesEtDeFormesVariees(phrases);
    MajusculePointEtEspaces(phrases);
    ElisionEtContraction(phrases);
    CouleursAccordeesAvecLeurNom(phrases);
    ParticipePassifAccordeAvecLeSujet(phrases);
    BalisesRetireesDonnentLaPhrase(phrases);
    PresentatifsLusDUneSeuleFacon(phrases);
    OrthographeSelonHunspell(phrases);
}

} // namespace
