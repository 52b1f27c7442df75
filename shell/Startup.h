#pragma once

#include <QString>
#include <functional>

namespace shell {

// What start-up shows on the splash, as a test sees it.
struct SplashStep
{
    enum Kind
    {
        Shown,
        Repainted,
        Waited
    };
    Kind kind = Shown;
    int milliseconds = 0; // the length of a wait
    QString status;       // the status text at that moment
    int progress = 0;     // the bar's position at that moment
};

using SplashHook = std::function<void(const SplashStep&)>;
// With a hook, start-up reports every show, repaint and wait of the splash to it
// instead of sleeping. An empty hook restores the real waits. Returns the previous hook.
SplashHook SetSplashHook(SplashHook hook);

// Start-up up to the main window, which is created but not shown yet. False when the
// program must end because the database could not be opened: the splash is gone and
// there is no main window.
bool StartApplication();

// The whole run: start-up, the message loop until the main window closes, then the
// end, which frees everything the application object owns. Returns the exit code.
int RunApplication();

} // namespace shell
