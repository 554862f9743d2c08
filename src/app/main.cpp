#include "app/mon_app.h"
#include "platform/diag.h"

int main() {
    // An error before the loop runs (a second application object) ends as quietly as one
    // inside it: the message is already on standard error.
    try {
        MonApp app;
        return platform::RunApp(app);
    } catch (const platform::QuitSignal& quit) {
        return quit.exitCode;
    }
}
