// The editing core of the text boxes: text and caret by characters, and the blinking caret.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

class TControl;
class TTimer;

// Whether a typed character goes into a text box: control characters (C0, DEL, C1), line and
// paragraph separators and the replacement character for broken input are left out.
bool IsTypedCharacter(char32_t c);

enum class TEditKeyEffect { NotAnEditKey, Unchanged, TextChanged, CaretMoved };

// The text of a box and its caret, both counted in characters (code points).
struct TEditBuffer {
    std::u32string Text;
    std::size_t Caret = 0;      // 0..Text.size()
    std::size_t MaxLength = 0;  // the most characters typing may bring; 0 for no limit

    // Typed text at the caret, without its control characters and cut to what MaxLength leaves
    // room for. Returns whether anything was inserted.
    bool Insert(const std::string& utf8);
    bool Backspace();
    bool DeleteForward();
    bool MoveCaret(std::size_t position);  // clamped to the text; returns whether it moved
    // Backspace, Delete, Left and Right, which act alike in every text box; any other key is
    // NotAnEditKey and left to the box.
    TEditKeyEffect ApplyCharacterKey(int key);
    // Replaces the text (not limited by MaxLength) and puts the caret at its end.
    void SetText(const std::string& utf8);
};

// A caret that blinks every 500 ms while its control has the focus on the active form. The timer
// belongs to the control's form; it stops itself at the first tick after the control lost the
// focus or its form was hidden, so a hidden screen costs no wake-ups.
class TCaretBlink {
  public:
    static constexpr int PeriodMs = 500;

    // onToggle is called whenever the caret appears or disappears (to repaint it).
    TCaretBlink(TControl& owner, std::function<void()> onToggle);

    // Shows the caret at once and starts a fresh period, when the owner may show a caret at all.
    void Restart();
    void Stop();
    bool Shown() const { return shown_; }
    bool Running() const;

  private:
    bool OwnerActive() const;
    void Tick();

    TControl& owner_;
    std::function<void()> onToggle_;
    TTimer* timer_;
    bool shown_ = false;
};
