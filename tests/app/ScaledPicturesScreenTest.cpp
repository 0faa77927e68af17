// The game's pictures on a scaled display: made from their renders at twice the size, and kept
// once however often they are loaded.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "TResources.h"
#include "TScaledPictureCache.h"

namespace {

TBitmap Loaded(const std::string& name) {
    TBitmap picture;
    std::string error;
    EXPECT_TRUE(picture.LoadFromResource(name, &error)) << error;
    return picture;
}

}  // namespace

// A tile, a reward picture and a background at 1.75 and 3.5: exactly their 2x render decoded at
// that many eighths, not the 1:1 picture enlarged.
TEST(ScaledPictures, AreDecodedFromTheirRenderAtTwiceTheSize) {
    InstallTevraResources();
    for (const char* name : {"F1", "H1", "Form3"}) {
        for (int quarters : {7, 14}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(quarters) + " quarters");
            const TBitmap picture = Loaded(name);
            const int width = picture.Width() * quarters / 4;
            const int height = picture.Height() * quarters / 4;
            const TBitmap made = PictureAtSize(picture, width, height);
            TResourceBytes render;
            ASSERT_TRUE(FindResource(std::string(name) + "-2x", &render, nullptr));
            TBitmap direct;
            ASSERT_TRUE(direct.LoadFromBytes(render.Data, render.Size, nullptr, quarters));
            EXPECT_EQ(made.Width(), width);
            EXPECT_EQ(made.Height(), height);
            EXPECT_TRUE(made == direct);
            EXPECT_FALSE(made == ResamplePicture(picture, width, height));
        }
    }
}

// The word game loads a reward picture at the end of every question: each load must find the
// copy made for the last one, and a picture control that moves on to another picture lets go of
// the old one's copy.
TEST(ScaledPictures, ReloadsShareOneCopyAndAReplacedPictureLeavesTheCache) {
    TGameRun run(TSize{1920, 1080}, 7);
    TScaledPictureCache& cache = TScaledPictureCache::Instance();
    cache.Clear();
    for (int load = 0; load < 3; ++load)
        cache.Get(Loaded("H1"), 350, 350);
    EXPECT_EQ(cache.Count(), 1u);
    EXPECT_EQ(cache.Bytes(), 350u * 350u * 4u);

    TImage& image = *Form3->Image2;
    image.SetPicture(Loaded("H2"));
    cache.Get(image.Picture(), 350, 350);
    image.SetPicture(Loaded("H3"));
    image.SetPicture(Loaded("H1"));
    EXPECT_EQ(cache.Count(), 1u) << "the copy of H2 is still kept";
}
