#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "platform/Canvas.h"

using platform::Canvas;
using platform::RGB;
using platform::Rop;

namespace
{
std::set<std::pair<int, int>> Lit(const Canvas& c)
{
    std::set<std::pair<int, int>> lit;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != 0)
                lit.insert({x, y});
    return lit;
}

TEST(Canvas, MaskAndThenSpriteOrGiveATransparentSprite)
{
    Canvas window(8, 8, RGB(10, 20, 30));
    // A 2 x 1 sprite: red at the left, transparent (black) at the right; its mask is black
    // where the sprite is opaque and white where it is transparent.
    Canvas sprite(2, 1, 0);
    sprite.SetPixel(0, 0, RGB(255, 0, 0));
    Canvas mask(2, 1, RGB(255, 255, 255));
    mask.SetPixel(0, 0, 0);
    window.BitBlt(3, 4, 2, 1, mask, 0, 0, Rop::SrcAnd);
    window.BitBlt(3, 4, 2, 1, sprite, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(window.Pixel(3, 4), RGB(255, 0, 0));
    EXPECT_EQ(window.Pixel(4, 4), RGB(10, 20, 30));
    EXPECT_EQ(window.Pixel(2, 4), RGB(10, 20, 30));
}

TEST(Canvas, CopyBlacknessAndFillTouchExactlyTheirRectangles)
{
    Canvas c(10, 10, RGB(1, 2, 3));
    Canvas src(3, 2, RGB(200, 100, 50));
    c.BitBlt(1, 1, 3, 2, src, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(c.Pixel(1, 1), RGB(200, 100, 50));
    EXPECT_EQ(c.Pixel(3, 2), RGB(200, 100, 50));
    EXPECT_EQ(c.Pixel(4, 2), RGB(1, 2, 3));
    EXPECT_EQ(c.Pixel(1, 3), RGB(1, 2, 3));
    c.PatBlt(2, 2, 2, 1, Rop::Blackness);
    EXPECT_EQ(c.Pixel(2, 2), 0u);
    EXPECT_EQ(c.Pixel(3, 2), 0u);
    EXPECT_EQ(c.Pixel(1, 2), RGB(200, 100, 50));
    c.FillRect(5, 5, 7, 6, RGB(9, 9, 9));  // right and bottom excluded
    EXPECT_EQ(c.Pixel(5, 5), RGB(9, 9, 9));
    EXPECT_EQ(c.Pixel(6, 5), RGB(9, 9, 9));
    EXPECT_EQ(c.Pixel(7, 5), RGB(1, 2, 3));
    EXPECT_EQ(c.Pixel(5, 6), RGB(1, 2, 3));
    // The stored pixel is fully opaque black, as the window shows it.
    EXPECT_EQ(c.Image().pixel(2, 2), 0xFF000000u);
}

TEST(Canvas, TransfersAreClippedAtEveryEdge)
{
    Canvas c(4, 4, 0);
    Canvas src(3, 3, RGB(255, 255, 255));
    c.BitBlt(-1, -1, 3, 3, src, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(Lit(c).size(), 4u);
    c.Clear(0);
    c.BitBlt(3, 3, 3, 3, src, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(Lit(c), (std::set<std::pair<int, int>>{{3, 3}}));
    c.Clear(0);
    c.BitBlt(0, 0, 3, 3, src, 2, 2, Rop::SrcCopy);  // only one source pixel exists
    EXPECT_EQ(Lit(c).size(), 1u);
    c.BitBlt(65533, 0, 3, 3, src, 0, 0, Rop::SrcCopy);  // a wrapped coordinate lies outside
    c.FillRect(-100, -100, 100000, 2, RGB(1, 1, 1));
    EXPECT_EQ(c.Pixel(3, 1), RGB(1, 1, 1));
    EXPECT_EQ(c.Pixel(3, 2), 0u);
}

TEST(Canvas, LineLeavesOutItsEndPixel)
{
    Canvas c(10, 10, 0);
    c.SetPen(RGB(0, 128, 0));
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(Lit(c), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(c.CurrentX(), 5);
    c.Clear(0);
    c.MoveTo(2, 2);
    c.LineTo(2, 2);  // a zero-length line draws nothing
    EXPECT_TRUE(Lit(c).empty());
    c.MoveTo(0, 0);
    c.LineTo(3, 3);
    EXPECT_EQ(Lit(c), (std::set<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(Canvas, RedrawingLinesInBlackErasesExactlyWhatTheyLit)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-30, 130);
    Canvas c(100, 80, 0);
    std::vector<std::array<int, 4>> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
    c.SetPen(RGB(75, 75, 75));
    for (const auto& l : lines)
    {
        c.MoveTo(l[0], l[1]);
        c.LineTo(l[2], l[3]);
    }
    EXPECT_FALSE(Lit(c).empty());
    c.SetPen(0);
    for (const auto& l : lines)
    {
        c.MoveTo(l[0], l[1]);
        c.LineTo(l[2], l[3]);
    }
    EXPECT_TRUE(Lit(c).empty());
}

TEST(Canvas, StretchedCopyIsNearestNeighbour)
{
    Canvas src(2, 1, 0);
    src.SetPixel(0, 0, RGB(255, 0, 0));
    src.SetPixel(1, 0, RGB(0, 0, 255));
    Canvas c(4, 2, 0);
    c.StretchBlt(0, 0, 4, 2, src, 0, 0, 2, 1);
    for (int y = 0; y < 2; ++y)
    {
        EXPECT_EQ(c.Pixel(0, y), RGB(255, 0, 0));
        EXPECT_EQ(c.Pixel(1, y), RGB(255, 0, 0));
        EXPECT_EQ(c.Pixel(2, y), RGB(0, 0, 255));
        EXPECT_EQ(c.Pixel(3, y), RGB(0, 0, 255));
    }
}

TEST(Canvas, ResizeKeepsThePictureAndFillsTheNewArea)
{
    Canvas c(2, 2, RGB(5, 5, 5));
    c.Resize(3, 1, RGB(7, 7, 7));
    EXPECT_EQ(c.Width(), 3);
    EXPECT_EQ(c.Height(), 1);
    EXPECT_EQ(c.Pixel(1, 0), RGB(5, 5, 5));
    EXPECT_EQ(c.Pixel(2, 0), RGB(7, 7, 7));
    EXPECT_TRUE(c.TakeDirty());
    EXPECT_FALSE(c.TakeDirty());
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Canvas c(6, 6, 0);
    c.SetPen(RGB(255, 255, 255));
    c.SetBrush(RGB(0, 0, 200));
    c.Rectangle(1, 1, 5, 5);
    EXPECT_EQ(c.Pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(c.Pixel(4, 4), RGB(255, 255, 255));
    EXPECT_EQ(c.Pixel(2, 2), RGB(0, 0, 200));
    EXPECT_EQ(c.Pixel(5, 5), 0u);
}
} // namespace
