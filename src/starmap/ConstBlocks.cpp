#include "starmap/ConstBlocks.h"

namespace constblocks
{
std::array<Block, kConstellations + 1> FindBlocks(const Stars* stars, int count)
{
    std::array<Block, kConstellations + 1> blocks{};
    int b = 0;
    for (int c = 1; c <= kConstellations; ++c)
    {
        int e = b;
        while (e < count && stars[e].NumConst == c)
            ++e;
        blocks[c] = Block{b, e};
        b = e;
    }
    return blocks;
}

Block BlockAt(const Stars* stars, int count, int first)
{
    if (first < 0 || first >= count)
        return Block{0, 0};
    int e = first;
    while (e < count && stars[e].NumConst == stars[first].NumConst)
        ++e;
    return Block{first, e};
}

void AppendBlockLinks(const Stars* stars, const Block& block, std::vector<Link>& links)
{
    // A partner counts only inside the block: a corrupt link must not reach another
    // constellation or beyond the table.
    auto add = [&](int s, uint8_t k)
    {
        const int p = block.first + k - 1;
        if (p < block.end)
            links.push_back(Link{static_cast<uint16_t>(s), static_cast<uint16_t>(p)});
    };
    for (int s = block.first; s < block.end; ++s)
    {
        if (stars[s].NLink1 == 0)
            continue;
        add(s, stars[s].NLink1);
        if (stars[s].NLink2 != 0)
            add(s, stars[s].NLink2);
    }
}

std::vector<Link> FindLinks(const Stars* stars, int count)
{
    std::vector<Link> links;
    const auto blocks = FindBlocks(stars, count);
    for (int c = 1; c <= kConstellations; ++c)
        AppendBlockLinks(stars, blocks[c], links);
    return links;
}
} // namespace constblocks
