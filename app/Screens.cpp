// The order in which the screens are created, and the game's font aliases.
#include "Screens.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GameScreen.h"
#include "MatchRunner.h"
#include "MatchState.h"
#include "TApplication.h"
#include "TFontEngine.h"
#include "TResources.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace {

// The shell of the run's match. Beyond the process-wide match state and generator it keeps only
// the screens of its rotation, so each new set of screens simply gets a fresh one.
std::unique_ptr<TMatchRunner> Match;

// Creates one game screen and sets the global pointer by which it is known.
template <class TScreen>
TGameScreen* Create(TApplication& app, TMatchShell& shell, TScreen*& global) {
    global = app.CreateForm<TScreen>(shell);
    return global;
}

struct TGameEntry {
    const char* Tag;
    TGameScreen* (*Make)(TApplication& app, TMatchShell& shell);
};

// The games in the order they follow one another in the match, which is also the order in which
// their screens are made (each draws from the generator as it is made). A new game is one line.
const TGameEntry GameRotation[] = {
    {GameTagBoxPush, [](TApplication& a, TMatchShell& s) { return Create(a, s, Form2); }},
    {GameTagWordGuess, [](TApplication& a, TMatchShell& s) { return Create(a, s, Form3); }},
    {GameTagTyping, [](TApplication& a, TMatchShell& s) { return Create(a, s, Form4); }},
};

}  // namespace

void CreateScreens(TApplication& app) {
    Match = std::make_unique<TMatchRunner>(app);
    Form1 = app.CreateForm<TForm1>(*Match);
    std::vector<TRotationSeat> rotation;
    for (const TGameEntry& entry : GameRotation)
        rotation.push_back(TRotationSeat{entry.Make(app, *Match), entry.Tag});
    Match->SeatScreens(std::move(rotation));
    Form5 = app.CreateForm<TForm5>(*Match);
}

bool LoadFontAliases(std::string* error) {
    TResourceBytes bytes;
    std::string missing;
    if (!FindResource("FONTCONF", &bytes, &missing)) {
        if (error)
            *error = "font aliases missing: " + missing;
        return false;
    }
    const std::string xml(reinterpret_cast<const char*>(bytes.Data), bytes.Size);
    if (!TFontEngine::Instance().LoadAliasConfigFromMemory(xml)) {
        if (error)
            *error = "font aliases cannot be read";
        return false;
    }
    return true;
}
