// Constellation blocks and the lines their links define.
#include "starmap/ConstBlocks.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
struct Entry
{
    uint8_t numConst, link1, link2;
};

std::vector<Stars> Table(std::initializer_list<Entry> entries)
{
    std::vector<Stars> stars;
    for (const Entry& e : entries)
    {
        Stars s{};
        s.NumConst = e.numConst;
        s.NLink1 = e.link1;
        s.NLink2 = e.link2;
        stars.push_back(s);
    }
    return stars;
}

std::vector<std::pair<int, int>> Links(const std::vector<Stars>& stars)
{
    std::vector<std::pair<int, int>> out;
    for (const constblocks::Link& l :
         constblocks::FindLinks(stars.data(), static_cast<int>(stars.size())))
        out.emplace_back(l.from, l.to);
    return out;
}

using Pairs = std::vector<std::pair<int, int>>;

TEST(ConstBlocks, BlocksFollowEachOtherInConstellationOrder)
{
    const auto stars = Table({{1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {4, 0, 0}, {4, 0, 0}});
    const auto blocks = constblocks::FindBlocks(stars.data(), 5);
    EXPECT_EQ(blocks[1].first, 0);
    EXPECT_EQ(blocks[1].end, 2);
    EXPECT_EQ(blocks[2].first, 2);
    EXPECT_EQ(blocks[2].end, 3);
    EXPECT_EQ(blocks[3].first, 3); // no star of constellation 3: empty
    EXPECT_EQ(blocks[3].end, 3);
    EXPECT_EQ(blocks[4].first, 3);
    EXPECT_EQ(blocks[4].end, 5);
    EXPECT_EQ(blocks[89].first, 5);
    EXPECT_EQ(blocks[89].end, 5);
}

TEST(ConstBlocks, MissingFirstConstellationLeavesItsBlockEmpty)
{
    // The catalogue starts with constellation 2: block 1 is empty, block 2 starts at 0.
    const auto stars = Table({{2, 2, 0}, {2, 1, 3}, {2, 0, 0}});
    const auto blocks = constblocks::FindBlocks(stars.data(), 3);
    EXPECT_EQ(blocks[1].end, 0);
    EXPECT_EQ(blocks[2].first, 0);
    EXPECT_EQ(blocks[2].end, 3);
    EXPECT_EQ(Links(stars), (Pairs{{0, 1}, {1, 0}, {1, 2}}));
}

TEST(ConstBlocks, EntryOutOfOrderEndsTheWalk)
{
    // Constellation 3 after 5 ends block 5; blocks 6.. are never walked, so the lines of
    // constellation 6 are not drawn.
    const auto stars = Table({{5, 2, 0}, {5, 0, 0}, {3, 0, 0}, {6, 2, 0}, {6, 0, 0}});
    const auto blocks = constblocks::FindBlocks(stars.data(), 5);
    EXPECT_EQ(blocks[5].end, 2);
    EXPECT_EQ(blocks[6].first, 2);
    EXPECT_EQ(blocks[6].end, 2);
    EXPECT_EQ(Links(stars), (Pairs{{0, 1}}));
}

TEST(ConstBlocks, NumbersOutsideTheTableAreNeverInABlock)
{
    for (uint8_t bad : {uint8_t{0}, uint8_t{90}, uint8_t{255}})
    {
        const auto stars = Table({{bad, 1, 0}, {1, 0, 0}});
        const auto blocks = constblocks::FindBlocks(stars.data(), 2);
        for (int c = 1; c <= 89; ++c)
            EXPECT_EQ(blocks[c].first, blocks[c].end) << int(bad) << " " << c;
        EXPECT_TRUE(Links(stars).empty());
    }
}

TEST(ConstBlocks, LinksOutsideTheBlockOrPastTheLastStarDrawNothing)
{
    // Block 1 = stars 0..1, block 2 = stars 2..3 of a table of four.
    const auto stars = Table({{1, 3, 2}, // 3 points into block 2: no line; 2 is star 1
                              {1, 200, 0},
                              {2, 2, 9},   // 9 is past the last star
                              {2, 0, 1}}); // no first link: its second is ignored
    EXPECT_EQ(Links(stars), (Pairs{{0, 1}, {2, 3}}));
}

TEST(ConstBlocks, ShortTableEndsTheLastBlockAtItsEnd)
{
    // Only the stars that were read take part: a link to a star beyond the count is dropped.
    auto stars = Table({{1, 2, 0}, {1, 3, 0}, {1, 1, 0}});
    EXPECT_EQ(Links(stars), (Pairs{{0, 1}, {1, 2}, {2, 0}}));
    const auto links = constblocks::FindLinks(stars.data(), 2);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].to, 1);
}
} // namespace
