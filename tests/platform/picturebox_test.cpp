#include "platform/picturebox.h"

#include <gtest/gtest.h>
#include <vector>

TEST(PictureBoxTest, SizedInTwipsAtFifteenToThePixel)
{
    PictureBox box;
    box.setWidth(Twips{1920});
    box.setHeight(Twips{405});
    EXPECT_EQ(box.scaleWidth(), 128);
    EXPECT_EQ(box.scaleHeight(), 27);
    EXPECT_EQ(box.image().size(), QSize(128, 27));
}

TEST(PictureBoxTest, LinesLeaveOutTheirEndPointAndTheKeptImageBecomesThePicture)
{
    PictureBox box;
    box.setWidth(Twips{300});
    box.setHeight(Twips{300});
    box.setBackColor(PictureBox::kWhite);
    box.setAutoRedraw(true);
    box.line(3, 0, 3, 10, PictureBox::kBlack);
    EXPECT_EQ(box.image().pixel(3, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(box.image().pixel(3, 9) & 0xFFFFFF, 0u);
    EXPECT_EQ(box.image().pixel(3, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(box.image().pixel(4, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(box.picture().isNull());
    box.takeImageAsPicture();
    ASSERT_FALSE(box.picture().isNull());
    EXPECT_EQ(box.picture().image.pixel(3, 5) & 0xFFFFFF, 0u);
    box.clearPicture();
    EXPECT_TRUE(box.picture().isNull());
    box.setBackColor(PictureBox::kWhite);  // a background colour clears the drawing
    EXPECT_EQ(box.image().pixel(3, 5) & 0xFFFFFF, 0xFFFFFFu);
}

// The surface follows a size only when it is next drawn on or read, once for every size set in
// between; what it keeps must be what a box resized step by step keeps.
TEST(PictureBoxTest, ResizingKeepsWhatEverySizeInBetweenHeld)
{
    struct {
        const char* what;
        std::vector<int> widths;  // pixels, set one after the other after the drawing
        bool clearedBetween;      // a new background colour among them
        bool keptAt5, keptAt20;
    } rows[] = {
        {"wider", {40}, false, true, true},
        {"narrower and back", {10, 30}, false, true, false},  // 1: x 20 was cut off on the way
        {"same again", {30, 30}, false, true, true},
        {"cleared on the way", {40, 30}, true, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        PictureBox box;
        box.setWidth(Twips{30 * 15});
        box.setHeight(Twips{10 * 15});
        box.setBackColor(PictureBox::kWhite);
        box.line(5, 0, 5, 10, PictureBox::kBlack);
        box.line(20, 0, 20, 10, PictureBox::kBlack);
        for (std::size_t i = 0; i < r.widths.size(); ++i) {
            box.setWidth(Twips{r.widths[i] * 15});
            if (r.clearedBetween && i == 0)
                box.setBackColor(PictureBox::kWhite);
        }
        const QImage& image = box.image();
        ASSERT_EQ(image.width(), r.widths.back());
        EXPECT_EQ(image.pixel(5, 3) & 0xFFFFFF, r.keptAt5 ? 0u : 0xFFFFFFu);
        EXPECT_EQ(image.pixel(20, 3) & 0xFFFFFF, r.keptAt20 ? 0u : 0xFFFFFFu);
        EXPECT_EQ(image.pixel(image.width() - 1, 3) & 0xFFFFFF, 0xFFFFFFu);
    }
}
