#include "app/mon_app.h"

#include "app/screen_handover_setup.h"
#include "framework/frame_chain.h"
#include "framework/graphics_state.h"
#include "platform/diag.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"

int MonApp::OnResize() {
    ResizeCurrentScene();
    return 0;
}

namespace {

// The window size of the last frame drawn.
int drawnWidth = 0;
int drawnHeight = 0;

// Constructed, made current and given its create hook before the next one is made, so that
// each screen builds its playfields and widgets while it is the current engine.
template <class Screen> std::shared_ptr<Screen> CreateScreen() {
    auto screen = std::make_shared<Screen>();
    screen->Create();
    return screen;
}

} // namespace

int MonApp::OnCreate() {
    // The menus and the games find each other through it from the first screen on.
    InstallScreenHandover();
    // The default profile's folder exists from the start, so that its captures have a place.
    CreeDossierDefaut();
    dossierprofil = CheminProfil(DossierDefaut);
    ecrantitre = CreateScreen<iEngineEcranTitre>();
    ecranintro = CreateScreen<iEngineChoixConstituantsPersosMode>();
    ecranoptions1 = CreateScreen<iEngineOptions1>();
    ecranoptions2 = CreateScreen<iEngineOptions2>();
    ecranprofils = CreateScreen<iEngineProfils>();
    ecranfin = CreateScreen<iEngineFin>();
    platform::Print(u"ecrantitre");
    SwitchScene(ecrantitre);
    return 0;
}

int MonApp::OnUpdate() {
    UpdateScenes();
    return 0;
}

int MonApp::OnRender() {
    RenderCurrentScene();
    // The first frame at a new window size is told, so that a play can wait for the refitted
    // screen before it looks.
    if (WindowWidth() != drawnWidth || WindowHeight() != drawnHeight) {
        drawnWidth = WindowWidth();
        drawnHeight = WindowHeight();
        platform::Print(u"fenêtre " + platform::Str(drawnWidth) + u" x " +
                        platform::Str(drawnHeight));
    }
    return 0;
}
