// The draws of all three games: a uniform number from 1 to K, and a re-seed where a game re-seeds.
#pragma once

#include <functional>
#include <random>

// The games re-seed before each series of draws (the typing puzzle also before every letter
// exchange), so a source takes both calls. Tests supply a scripted source to force any draw.
class TRandomSource {
  public:
    virtual ~TRandomSource() = default;
    virtual void Reseed() = 0;
    // A uniform whole number from 1 to K; K is at least 1.
    virtual int DrawFromOneTo(int K) = 0;
};

// A generator as a source. ReseedFromClock is what runs at every re-seed (the game seeds the
// process-wide generator from the clock); without it a re-seed does nothing, which is what a
// test with a fixed seed wants.
class TGeneratorSource final : public TRandomSource {
  public:
    explicit TGeneratorSource(std::mt19937& Generator,
                              std::function<void(std::mt19937&)> ReseedFromClock = {});

    void Reseed() override;
    int DrawFromOneTo(int K) override;

  private:
    std::mt19937& Generator;
    std::function<void(std::mt19937&)> ReseedFromClock;
};
