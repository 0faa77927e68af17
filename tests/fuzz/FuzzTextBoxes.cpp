// Fuzzes the editing of the text boxes: the bytes are a pupil's typing, keys, clicks and time in
// a memo and a one-line box; the text stays within its limit and the caret within the text.
#include <memory>
#include <string>

#include "FuzzTarget.h"
#include "TApplication.h"
#include "TEdit.h"
#include "TFontEngine.h"
#include "TForm.h"
#include "TMemo.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

namespace {

struct TBoxes {
    TBoxes() : backend(TSize{240, 160}), app(backend), drive(app, backend) {
        form = app.CreateForm<TForm>();
        memo = form->Add<TMemo>();
        memo->SetBounds(10, 10, 120, 60);
        edit = form->Add<TEdit>();
        edit->SetBounds(10, 90, 120, 24);
        TFont font;
        font.Name = "DejaVu Sans";
        font.Height = -14;
        memo->SetFont(font);
        edit->SetFont(font);
        drive.Start();
    }
    THeadlessBackend backend;
    TApplication app;
    THeadlessDriver drive;
    TForm* form = nullptr;
    TMemo* memo = nullptr;
    TEdit* edit = nullptr;
};

const int Keys[] = {VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP,     VK_DOWN, VK_HOME,
                    VK_END,  VK_RETURN, VK_TAB,  VK_SPACE, VK_ESCAPE, 'A',     VK_PRIOR};

void CheckBox(std::size_t length, std::size_t caret, std::size_t limit, bool typedOnly,
              const std::string& text) {
    FUZZ_CHECK(caret <= length);
    FUZZ_CHECK(DecodeUtf8(text).size() == length);
    if (typedOnly && limit > 0)
        FUZZ_CHECK(length <= limit);
}

}  // namespace

int FuzzTextBoxes(const std::uint8_t* data, std::size_t size) {
    static TBoxes* boxes = new TBoxes();  // one display for the whole run, as the game has
    TBoxes& b = *boxes;
    if (size < 1)
        return 0;
    b.memo->Clear();
    b.edit->Clear();
    const std::size_t limit = data[0] % 40;
    b.memo->SetMaxLength(limit);
    b.edit->SetMaxLength(limit);
    b.memo->SetFocus();
    bool typedOnly = true;
    std::size_t i = 1;
    auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
    while (i < size) {
        const std::uint8_t op = next();
        switch (op % 8) {
            case 0:
            case 1: {
                const std::size_t n = 1 + next() % 8;
                std::string text;
                for (std::size_t k = 0; k < n && i < size; ++k)
                    text += static_cast<char>(next());
                b.drive.Text(text);
                break;
            }
            case 2:
            case 3: {
                const std::uint8_t key = next();
                const auto shift = static_cast<TShiftState>(key >> 5 & 7);
                b.drive.Key(Keys[key % std::size(Keys)], shift, (op & 0x80) != 0);
                break;
            }
            case 4:
                b.drive.Click(next() % 240, next() % 160);
                break;
            case 5:
                b.memo->SetSelStart(next());
                b.edit->SetSelStart(next());
                break;
            case 6: {
                std::string text(next() % 60, 'w');
                if (op & 0x10)
                    text += " kata\xc3\xa9";
                b.memo->SetText(text);
                typedOnly = false;
                break;
            }
            default:
                b.drive.Advance(next() * 10);
                break;
        }
        CheckBox(b.memo->Length(), b.memo->SelStart(), limit, typedOnly, b.memo->Text());
        CheckBox(b.edit->Length(), b.edit->SelStart(), limit, true, b.edit->Text());
        b.memo->Lines();
    }
    return 0;
}

TEVRA_FUZZ_TARGET(FuzzTextBoxes)
