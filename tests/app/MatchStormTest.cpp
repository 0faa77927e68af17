// Random event storms over whole matches: every kind of key, text, pointer and time, in any
// order, with the match's invariants checked after every single event.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include "GameRun.h"
#include "TFontEngine.h"

namespace {

// A storm plays its match to the final screen and sends the close command at a random moment
// there; the cap is far beyond the events any seed's match takes.
constexpr int EventsPerStorm = 80000;
constexpr int MostEventsOnTheFinalScreen = 2000;

// Keys a pupil's keyboard can send: letters, digits, the editing and moving keys, function keys,
// modifiers on their own and codes no key of ours means.
int RandomKey(std::mt19937& random) {
    static const int special[] = {VK_BACK,   VK_TAB,   VK_RETURN, VK_SHIFT, VK_CONTROL, VK_MENU,
                                  VK_ESCAPE, VK_SPACE, VK_PRIOR,  VK_NEXT,  VK_END,     VK_HOME,
                                  VK_LEFT,   VK_UP,    VK_RIGHT,  VK_DOWN,  VK_INSERT,  VK_DELETE,
                                  VK_APPS,   VK_F1,    VK_F10,    0,        255,        -1};
    switch (random() % 4) {
        case 0:
            return 'A' + static_cast<int>(random() % 26);
        case 1:
            return '0' + static_cast<int>(random() % 10);
        case 2:
            return special[random() % std::size(special)];
        default:
            return VK_LEFT + static_cast<int>(random() % 4);  // the arrows, often: the box game
    }
}

// Typed text: letters, spaces, accented and wide characters, and now and then bytes that are
// not UTF-8 at all.
std::string RandomText(std::mt19937& random) {
    static const char* const pieces[] = {
        "a",    "Z",    " ", "e",  "kulit", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
        "\xff", "\xc3", ".", "\n", "\t"};
    std::string text;
    const int count = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < count; ++i)
        text += pieces[random() % std::size(pieces)];
    return text;
}

TShiftState RandomShift(std::mt19937& random) {
    const unsigned roll = random() % 8;
    return roll < 5 ? TShiftState::None : static_cast<TShiftState>(1u << (roll - 5));
}

// Time as it passes between inputs: mostly a few milliseconds, sometimes seconds; on average
// short enough that a storm's match lasts most of its events.
std::uint64_t RandomPause(std::mt19937& random) {
    const unsigned roll = random() % 1000;
    if (roll < 900)
        return random() % 20;
    if (roll < 995)
        return random() % 500;
    return 1000 + random() % 3000;
}

int CodePoints(const std::string& utf8) {
    return static_cast<int>(DecodeUtf8(utf8).size());
}

bool InRect(const TControl& control, TPoint p) {
    return p.X >= control.Left() && p.X < control.Left() + control.Width() &&
           p.Y >= control.Top() && p.Y < control.Top() + control.Height();
}

// The "m:ss" of a clock label as seconds; -1 when it is not such a text.
int ClockSeconds(const std::string& text) {
    int minutes = -1, seconds = -1;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d:%2d%c", &minutes, &seconds, &tail) != 2 || minutes < 0 ||
        seconds < 0 || seconds > 59 || text.size() < 4 || text[text.size() - 3] != ':')
        return -1;
    return minutes * 60 + seconds;
}

class Storm {
  public:
    explicit Storm(unsigned seed) : random_(seed) {}

    // Plays the storm; returns the events sent. Fails the test at the first broken invariant.
    int Play() {
        run_.drive.Pump();
        int closeAt = EventsPerStorm;
        for (int event = 0; event < EventsPerStorm; ++event) {
            if (event == closeAt) {
                Close();
                Check(event, "the close command");
                EXPECT_TRUE(run_.app.Terminated()) << "the close command did not end the game";
                return event + 1;
            }
            const std::string what = Send();
            Check(event, what);
            if (::testing::Test::HasFatalFailure() || run_.app.Terminated())
                return event + 1;
            if (closeAt == EventsPerStorm && Form5->Visible())
                closeAt = event + 1 + static_cast<int>(random_() % MostEventsOnTheFinalScreen);
        }
        return EventsPerStorm;
    }

  private:
    TPoint AnyPoint() {
        // Anywhere on the display and a little beyond it, but away from the two quit buttons:
        // quitting is the close command's part, at its own moment.
        for (;;) {
            const TPoint p{static_cast<int>(random_() % 2000) - 40,
                           static_cast<int>(random_() % 1160) - 40};
            const bool quits = (Form1->Visible() && InRect(*Form1->FreeButton5, p)) ||
                               (Form5->Visible() && InRect(*Form5->EXIT, p));
            if (!quits)
                return p;
        }
    }

    // Any key but the ones that quit from the menu or the final screen: quitting is the close
    // command's part, at its own moment.
    int KeyThatStays() {
        for (;;) {
            const int key = RandomKey(random_);
            const bool quits = (Form1->Visible() && key == VK_ESCAPE) ||
                               (Form5->Visible() &&
                                (key == VK_ESCAPE || key == VK_RETURN || key == VK_SPACE));
            if (!quits)
                return key;
        }
    }

    // START now and then, so that the storm spends its time in the match, not on the menu.
    TPoint StartOrAnyPoint() {
        if (Form1->Visible() && random_() % 20 == 0) {
            const TControl& start = *Form1->FreeButton1;
            return TPoint{start.Left() + start.Width() / 2, start.Top() + start.Height() / 2};
        }
        return AnyPoint();
    }

    std::string Send() {
        THeadlessDriver& drive = run_.drive;
        std::ostringstream what;
        switch (random_() % 12) {
            case 0:
            case 1:
            case 2: {
                const int key = KeyThatStays();
                const TShiftState shift = RandomShift(random_);
                const bool repeat = random_() % 5 == 0;
                what << "key " << key << " shift " << static_cast<unsigned>(shift)
                     << (repeat ? " repeat" : "");
                drive.Key(key, shift, repeat);
                break;
            }
            case 3: {
                const std::string text = RandomText(random_);
                what << "text of " << text.size() << " bytes";
                drive.Text(text);
                break;
            }
            case 4: {
                const TPoint p = AnyPoint();
                what << "move to " << p.X << "," << p.Y;
                drive.MoveMouse(p.X, p.Y);
                break;
            }
            case 5:
            case 6: {
                const TPoint p = StartOrAnyPoint();
                what << "left click at " << p.X << "," << p.Y;
                drive.Click(p.X, p.Y);
                break;
            }
            case 7: {
                const TPoint p = AnyPoint();
                what << "right click at " << p.X << "," << p.Y;
                drive.Click(p.X, p.Y, TMouseButton::Right);
                break;
            }
            case 8: {
                const TPoint p = AnyPoint();
                what << "double click at " << p.X << "," << p.Y;
                drive.DoubleClick(p.X, p.Y);
                break;
            }
            default: {
                const std::uint64_t ms = RandomPause(random_);
                what << "advance " << ms << " ms";
                drive.Advance(ms);
                break;
            }
        }
        return what.str();
    }

    void Close() {
        // Either the window system's close command or a quit button where one is on screen.
        if (random_() % 2 == 0 && Form1->Visible()) {
            run_.ClickCentre(*Form1->FreeButton5);
        } else if (random_() % 2 == 0 && Form5->Visible()) {
            run_.ClickCentre(*Form5->EXIT);
        } else {
            run_.drive.Close();
        }
    }

    void Check(int event, const std::string& what) {
        SCOPED_TRACE("event " + std::to_string(event) + ": " + what);
        if (run_.app.Terminated())
            return;
        TForm* const forms[] = {Form1, Form2, Form3, Form4, Form5};
        int visible = 0;
        for (std::size_t i = 0; i < std::size(forms); ++i) {
            if (forms[i]->Visible()) {
                ++visible;
                ++OnScreen[i];
            }
        }
        ASSERT_EQ(visible, 1) << "screens visible at once";

        struct VisitTimer {
            TForm* form;
            TTimer* timer;
        };
        const VisitTimer visitTimers[] = {
            {Form2, Form2->Timer2}, {Form3, Form3->Timer1}, {Form4, Form4->Timer1}};
        int running = 0;
        for (const VisitTimer& v : visitTimers) {
            if (!v.timer->Enabled())
                continue;
            ++running;
            ASSERT_TRUE(v.form->Visible()) << "a hidden screen's visit timer runs";
        }
        ASSERT_LE(running, 1) << "visit timers running";

        // The labels show their design-time texts until START sets them all.
        matchStarted_ = matchStarted_ || !Form1->Visible();
        if (matchStarted_) {
            const std::string clock = Form2->waktu->Caption();
            ASSERT_EQ(Form3->waktu->Caption(), clock);
            ASSERT_EQ(Form4->waktu->Caption(), clock);
            const int seconds = ClockSeconds(clock);
            ASSERT_GE(seconds, 0) << "clock shows '" << clock << "'";
            ASSERT_LE(seconds, 300);
        }
        ASSERT_GE(MatchState.ClockMinutes, 0);
        ASSERT_GE(MatchState.ClockSeconds, 0);

        if (Form2->Game.BoardReady) {
            const boxpush::BoardGrid& board = Form2->Game.Board;
            using boxpush::CellCode;
            ASSERT_EQ(boxpush::CountCells(board, CellCode::Player) +
                          boxpush::CountCells(board, CellCode::PlayerOnTarget),
                      1);
            ASSERT_EQ(boxpush::CountCells(board, CellCode::Box) +
                          boxpush::CountCells(board, CellCode::BoxOnTarget),
                      Form2->Game.TargetCount)
                << "boxes came or went";
        }
        ASSERT_LE(CodePoints(Form4->Memo1->Text()), 100) << "the answer box overflows";
    }

  public:
    int OnScreen[5] = {};  // events after which each of the five screens was the visible one

  private:
    TGameRun run_{TSize{800, 600}};
    std::mt19937 random_;
    bool matchStarted_ = false;
};

// Seeds in groups, so that the groups run side by side.
void PlayStorms(unsigned first, unsigned count) {
    for (unsigned seed = first; seed < first + count; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Storm storm(seed);
        const int events = storm.Play();
        std::printf(
            "storm seed %u: %d events; on the menu, the three games, the final screen: "
            "%d, %d, %d, %d, %d\n",
            seed, events, storm.OnScreen[0], storm.OnScreen[1], storm.OnScreen[2],
            storm.OnScreen[3], storm.OnScreen[4]);
        if (::testing::Test::HasFatalFailure())
            return;
        // A storm that never left the menu, or ended before the match did, tested little.
        for (int screen = 1; screen < 5; ++screen)
            EXPECT_GT(storm.OnScreen[screen], 0) << "Form" << screen + 1 << " was never on";
    }
}

TEST(MatchStorm, Seeds1To6) {
    PlayStorms(1, 6);
}
TEST(MatchStorm, Seeds7To12) {
    PlayStorms(7, 6);
}
TEST(MatchStorm, Seeds13To18) {
    PlayStorms(13, 6);
}

}  // namespace
