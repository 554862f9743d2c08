// The end screen: the praise, its puppets, and the way back to the hub.
#include "screens/end_screen.h"

#include <algorithm>

#include "framework/letterbox.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puppets/clothes_choice.h"
#include "puppets/decor_playfields.h"
#include "puppets/puppets_playfield.h"
#include "screens/hub_screen.h"
#include "screens/menu_screen.h"

std::shared_ptr<iEngineFin> ecranfin;

const char16_t* const Felicitations[NombreDeFelicitations] = {
    u"bien joué",  u"pas mal",   u"c'est beau", u"balèze",    u"fortiche", u"et voilà",
    u"fini",       u"chapeau",   u"excellent",  u"ah super",  u"bravo",    u"c'est bien",
    u"tip top",    u"ah bravo",  u"très bien",  u"admirable", u"yeah",     u"yeah man",
    u"c'est fini", u"c'est bon", u"on a fini",  u"voilà",     u"wow",      u"super bien"};

namespace {

constexpr int BoutonGauche = 1;
constexpr int Escape = 27;
constexpr int ToucheH = 72;

const char16_t* const Personnes[4] = {u"perso_monsieur_m", u"perso_petit garcon_m", u"perso_dame_f",
                                      u"perso_petite fille_f"};

struct LettreNommee {
    char16_t lettre;
    const char16_t* code;
};
constexpr LettreNommee LettresNommees[] = {
    {u' ', u"esp"}, {u'à', u"a_acc"}, {u'\'', u"apo"}, {u'é', u"e_ac1"}, {u'è', u"e_ac2"}};

} // namespace

String CodeLettre(char16_t lettre) {
    for (const LettreNommee& l : LettresNommees) {
        if (l.lettre == lettre) {
            return l.code;
        }
    }
    return String(1, lettre);
}

iPlayfield* iEngineFin::BackgroundPlayfield() { return background.get(); }

iPlayfield* iEngineFin::MainPlayfield() { return terrain.get(); }

int iEngineFin::OnUpdate() {
    if (!animationFaite) {
        FabriqueAnimationFin();
        animationFaite = true;
    }
    for (int i = 0; i < nbLettres; ++i) {
        const auto& perso = terrain->persos[static_cast<std::size_t>(i)];
        if (perso && perso->action1 == CodeAction::Courir) {
            perso->Marche(perso->xDepart, perso->xArrivee, true, 1.0f);
        }
    }
    if (platform::KeyHits(BoutonGauche) > 0 || platform::KeyHits(Escape) > 0) {
        animationFaite = false;
        // The hub takes up the decor, and a resize made meanwhile, as from any screen.
        VaVersEcranAnnonce(ecranintro);
    }
    if (platform::KeyHits(ToucheH) > 0) {
        animationFaite = false;
    }
    return 0;
}

int iEngineFin::OnResize() {
    FitToWindow(background.get(), terrain.get());
    FitMenuScreens();
    return 0;
}

void iEngineFin::FabriqueAnimationFin() {
    // Built again and again on one screen: the previous room and its puppets go first.
    if (background) {
        background->Remove();
    }
    if (terrain) {
        terrain->Remove();
    }

    phrase = Felicitations[platform::RandomIndex(NombreDeFelicitations)];
    nbLettres = std::min(static_cast<int>(phrase.size()), static_cast<int>(xlettres.size()));
    const int espacement = CanvasWidth / (nbLettres + 1);
    for (int i = 0; i < nbLettres; ++i) {
        auto& x = xlettres[static_cast<std::size_t>(i)];
        x = (platform::RandomFloat() * 20 - 10) + static_cast<float>((i + 1) * espacement);
        platform::Print(u" xlettres" + platform::Str(static_cast<double>(x)));
    }

    background = std::make_shared<iPlayfieldFond>();
    background->New();
    background->FixeCouleur(false, 211, 227, 126);
    background->AddToEngine(*this);

    terrain = std::make_shared<iPlayfieldFin>();
    terrain->New();
    terrain->persos.resize(static_cast<std::size_t>(nbLettres));
    terrain->dernierPerso = nbLettres - 1;
    terrain->largeur = CanvasWidth;
    terrain->hauteur = CanvasHeight;
    terrain->AddToEngine(*this);
    FitToWindow(background.get(), terrain.get());
    terrain->CouleurFondAuHasard();
    terrain->MeublesAuHasard();

    const StructureAction vide;
    for (int i = 0; i < nbLettres; ++i) {
        platform::Print(u" bouclepers");
        const auto index = static_cast<std::size_t>(i);
        const String personne = Personnes[platform::RandomIndex(4)];
        auto perso = std::make_shared<Pantin>();
        terrain->persos[index] = perso;
        HabillePerso(terrain->persos, &vide, *perso, i, personne, u"", u"", u"", u"", u"", u"", u"",
                     u"");
        perso->textePancarte = CodeLettre(phrase[index]);
        perso->Fabrique(CanvasWidth, CanvasHeight, personne, u"i_marcher", u"", u"", u"pancarte",
                        u"", u"", u"", u"", u"", 1.0f);
        // Somewhere between well off the left edge and just short of its letter.
        perso->xDepart = platform::RandomFloat() * ((xlettres[index] - 80) + 500) - 500;
        perso->xArrivee = xlettres[index];
        perso->action1 = CodeAction::Courir;
        perso->objetDeuxMainsTenu = true;
        perso->angleBras1 = 180;
        perso->angleBras2 = 180;
    }
}
