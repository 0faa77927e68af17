// The order in which the screens are created, and the game's font aliases.
#include "Screens.h"

#include <cstdio>
#include <string>

#include "TApplication.h"
#include "TFontEngine.h"
#include "TResources.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

void CreateScreens(TApplication& app) {
    Form1 = app.CreateForm<TForm1>();
    Form2 = app.CreateForm<TForm2>();
    Form3 = app.CreateForm<TForm3>();
    Form4 = app.CreateForm<TForm4>();
    Form5 = app.CreateForm<TForm5>();
}

bool LoadFontAliases() {
    TResourceBytes bytes;
    std::string error;
    if (!FindResource("FONTCONF", &bytes, &error)) {
        std::fprintf(stderr, "tevra: font aliases missing: %s\n", error.c_str());
        return false;
    }
    const std::string xml(reinterpret_cast<const char*>(bytes.Data), bytes.Size);
    if (!TFontEngine::Instance().LoadAliasConfigFromMemory(xml)) {
        std::fprintf(stderr, "tevra: font aliases cannot be read\n");
        return false;
    }
    return true;
}
