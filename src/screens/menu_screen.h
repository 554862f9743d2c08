#pragma once
// The menu screens that show the drifting furniture (game mode, set-up, options 2): a background
// playfield of one colour behind the decor playfield, which holds the canvas, the widgets and
// the furniture. The screens go back and forth through NouvelEcran and the scene switch.
#include <memory>

#include "gui/engine_resizable.h"

class iBitmapFont;
class iGuiButton2;
class iPlayfieldDecore;
class iPlayfieldFond;
class iScene;

class iEngineMenuDecore : public iEngineResizable {
  public:
    std::shared_ptr<iPlayfieldFond> background;
    std::shared_ptr<iPlayfieldDecore> decor;

    iPlayfield* BackgroundPlayfield() override;
    iPlayfield* MainPlayfield() override;
    // The floor strip and the two pieces, on the decor playfield only (the hook runs once per
    // playfield).
    int OnRenderHook() override;
    // The letterbox here and on the long-lived menu screens.
    int OnResize() override;

  protected:
    // The two playfields appended and fitted to the window, the logo, and the decor taking up
    // the furniture where the previous screen left it.
    void ConstruitFondEtDecor(int fondRouge, int fondVert, int fondBleu, int decorRouge,
                              int decorVert, int decorBleu);
};

// A button of the menus: picture, caption centred in the font, tint and caption colours (the
// tint is the same in both looks). Placing it is left to the caller, who then records its rest
// box for the press bounce (PoseBouton).
struct CouleursBouton {
    int teinte[3];
    int texte[3];
    int texteSurvol[3];
};
void HabilleBouton(iGuiButton2& bouton, const String& image,
                   const std::shared_ptr<iBitmapFont>& police, const String& texte,
                   const CouleursBouton& couleurs);
// A new button, dressed, on the playfield's page.
std::shared_ptr<iGuiButton2> NouveauBouton(const std::shared_ptr<iPlayfield>& playfield,
                                           const String& image,
                                           const std::shared_ptr<iBitmapFont>& police,
                                           const String& texte, const CouleursBouton& couleurs);
// The button's current place becomes its rest box.
void PoseBouton(iGuiButton2& bouton);

// The name a debug line gives a screen ("ecranintro", ...), "" for a scene of the games.
String NomEcran(const iScene* ecran);
// Prints the screen's name: every switch between screens can be waited on by its line.
void AnnonceEcran(const std::shared_ptr<iScene>& ecran);
// VaVersEcran, announced.
void VaVersEcranAnnonce(const std::shared_ptr<iScene>& ecran);

class iGuiObject;
class iGuiImage;
class iGuiScrollBox;
// Room below the last widget of a scrolling list, so that scrolled to its end the list shows
// that widget whole, clear of the edge. It draws nothing; PoseMarge follows the widget.
std::shared_ptr<iGuiImage> AjouteMargeBas(const std::shared_ptr<iGuiScrollBox>& liste);
void PoseMarge(iGuiImage& marge, const iGuiObject& dernier);
