#include "app/mon_app.h"

#include "app/screen_handover_setup.h"
#include "framework/frame_chain.h"
#include "platform/diag.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"

int MonApp::OnResize() {
    ResizeCurrentScene();
    return 0;
}

namespace {

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
    return 0;
}
