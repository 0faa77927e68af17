// The order in which the screens are created, and the game's font aliases.
#include "Screens.h"

#include <memory>
#include <string>

#include "MatchRunner.h"
#include "TApplication.h"
#include "TFontEngine.h"
#include "TResources.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace {

// The shell of the run's match. It keeps no state of its own beyond the process-wide match
// state and generator, so each new set of screens simply gets a fresh one.
std::unique_ptr<TMatchRunner> Match;

}  // namespace

void CreateScreens(TApplication& app) {
    Match = std::make_unique<TMatchRunner>(app);
    Form1 = app.CreateForm<TForm1>(*Match);
    Form2 = app.CreateForm<TForm2>(*Match);
    Form3 = app.CreateForm<TForm3>(*Match);
    Form4 = app.CreateForm<TForm4>(*Match);
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
