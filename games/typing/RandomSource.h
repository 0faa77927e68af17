// The draws of the typing game: a uniform number from 1 to K, and a re-seed where the game
// re-seeds.
#pragma once

#include <functional>
#include <random>

namespace typing {

// The puzzle code re-seeds before its series of draws (and before every letter exchange), so the
// source takes both calls. Tests supply a scripted source to force any draw.
class TRandomSource {
  public:
    virtual ~TRandomSource() = default;
    virtual void Reseed() = 0;
    // A uniform whole number from 1 to K; K is at least 1.
    virtual int DrawFromOneTo(int K) = 0;
};

// The process-wide generator as a source. ReseedFromClock is what the screen runs at every
// re-seed (it seeds the generator from the clock); without it a re-seed does nothing.
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

}  // namespace typing
