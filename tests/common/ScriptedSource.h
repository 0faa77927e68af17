// A random source for the model tests: scripted draws, and a count of the re-seeds.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <utility>

#include "RandomSource.h"

// What a scripted source hands out once its script is used up.
enum class AfterScript {
    Ones,     // 1 for ever, which leaves every letter in place
    CountUp,  // 1, 2, 3, ... wrapped into 1..K, so that distinct word numbers always come
};

// Hands out the scripted draws in order, then the AfterScript values.
class TScriptedSource final : public TRandomSource {
  public:
    explicit TScriptedSource(std::deque<int> Draws = {}, AfterScript Then = AfterScript::Ones)
        : Draws(std::move(Draws)), Then(Then) {}

    void Reseed() override { ++Reseeds; }
    int DrawFromOneTo(int K) override {
        if (++DrawCount > 10000) {
            throw std::runtime_error("the model keeps drawing");
        }
        // A draw before any re-seed would come from the generator's fixed start-up state, the
        // same in every run.
        DrewBeforeReseed = DrewBeforeReseed || Reseeds == 0;
        if (Draws.empty()) {
            return Then == AfterScript::Ones ? 1 : (CountUp++ % K) + 1;
        }
        const int Draw = Draws.front();
        Draws.pop_front();
        EXPECT_LE(Draw, K) << "scripted draw out of range";
        return Draw;
    }

    int Reseeds = 0;
    bool DrewBeforeReseed = false;

  private:
    std::deque<int> Draws;
    AfterScript Then;
    int DrawCount = 0;
    int CountUp = 0;
};
