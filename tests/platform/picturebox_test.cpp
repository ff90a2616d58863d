#include "platform/picturebox.h"

#include <gtest/gtest.h>

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
