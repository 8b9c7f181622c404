#include "Catalogue.h"

#include "RecordImage.h"
#include "sky/StarMotion.h"
#include "solar/SolarRecord.h"
#include "starmap/ConstName.h"
#include "starmap/StarRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <set>

namespace
{

constexpr int kSolarCount = 11;
constexpr int kMaxLinks = 2;

std::string Abbreviation(int constNumber)
{
    return ConstName[2 * (constNumber - 1) + 1];
}

} // namespace

uint8_t SizeCode(std::string_view spectClass, std::string_view lumClass)
{
    const char letter = spectClass.empty() ? '\0' : spectClass[0];
    const bool supergiant =
        lumClass.starts_with("I") && !lumClass.starts_with("II") && !lumClass.starts_with("IV");
    if (letter == 'W')
        return 5;
    if (lumClass.empty())
        return 0;
    if (supergiant)
        return 3;
    if (letter == 'O')
        return 5;
    if (lumClass == "VI" || lumClass == "VII")
        return 1;
    if (lumClass.starts_with("II"))
        return 2; // II bright giant, III giant
    // Subgiants (IV) are shown with the main sequence: the card has no word for them.
    if (lumClass.starts_with("IV") || lumClass.starts_with("V"))
        return 4;
    return 0;
}

uint8_t ColorCode(std::string_view spectClass, std::optional<double> bv)
{
    if (!spectClass.empty())
    {
        const char letter = spectClass[0];
        const int digit = spectClass.size() > 1 && spectClass[1] >= '0' && spectClass[1] <= '9'
                              ? spectClass[1] - '0'
                              : 0;
        switch (letter)
        {
        case 'W':
        case 'O':
            return 7; // Blue
        case 'B':
            return 6; // Blue - white
        case 'A':
        case 'D':
            return 5; // White
        case 'F':
            return 4; // Yellow - white
        case 'G':
            return digit >= 8 ? 8 : 3; // Yellow, late G: Yellow - orange
        case 'K':
            return digit <= 2 ? 8 : 2; // Yellow - orange, from K3: Orange
        case 'M':
        case 'C':
        case 'S':
        case 'N':
            return 1; // Red
        default:
            break;
        }
    }
    if (!bv)
        return 0;
    // B-V boundaries of the classes above (Allen's Astrophysical Quantities, dwarfs).
    const double b = *bv;
    if (b < -0.25)
        return 7;
    if (b < 0.0)
        return 6;
    if (b < 0.30)
        return 5;
    if (b < 0.58)
        return 4;
    if (b < 0.78)
        return 3;
    if (b < 1.05)
        return 8;
    if (b < 1.45)
        return 2;
    return 1;
}

bool AssignLinks(int vertexCount, const std::vector<std::pair<int, int>>& edges,
                 std::vector<std::array<int, 2>>& owned)
{
    // Bipartite matching of edges to vertex slots (two per vertex) by augmenting paths:
    // an edge that finds both ends full asks one end to pass one of its edges on.
    const size_t n = static_cast<size_t>(vertexCount);
    std::vector<int> owner(edges.size(), -1);
    std::vector<std::vector<size_t>> ownedEdges(n);

    std::function<bool(size_t, std::vector<char>&)> place =
        [&](size_t e, std::vector<char>& visited)
    {
        for (const int end : {edges[e].first, edges[e].second})
        {
            const size_t v = static_cast<size_t>(end);
            if (visited[v])
                continue;
            visited[v] = 1;
            if (ownedEdges[v].size() < kMaxLinks)
            {
                owner[e] = end;
                ownedEdges[v].push_back(e);
                return true;
            }
            for (size_t k = 0; k < ownedEdges[v].size(); ++k)
            {
                const size_t f = ownedEdges[v][k];
                ownedEdges[v].erase(ownedEdges[v].begin() + static_cast<long>(k));
                if (place(f, visited))
                {
                    owner[e] = end;
                    ownedEdges[v].push_back(e);
                    return true;
                }
                ownedEdges[v].insert(ownedEdges[v].begin() + static_cast<long>(k), f);
            }
        }
        return false;
    };

    for (size_t e = 0; e < edges.size(); ++e)
    {
        const auto [a, b] = edges[e];
        if (a < 0 || b < 0 || a >= vertexCount || b >= vertexCount || a == b)
            return false;
        std::vector<char> visited(n, 0);
        if (!place(e, visited))
            return false;
    }

    owned.assign(n, {-1, -1});
    for (size_t v = 0; v < n; ++v)
    {
        std::vector<size_t> mine = ownedEdges[v];
        std::sort(mine.begin(), mine.end());
        for (size_t k = 0; k < mine.size(); ++k)
        {
            const auto [a, b] = edges[mine[k]];
            owned[v][k] = a == static_cast<int>(v) ? b : a;
        }
    }
    return true;
}

bool LoadStars(const CsvTable& table, std::vector<StarSource>& stars, std::string& error)
{
    RowReader r(table, error);
    const int hip = r.Column("hip"), ra = r.Column("ra_hours"), dec = r.Column("dec_deg"),
              mag = r.Column("vmag"), name = r.Column("name"), kind = r.Column("name_kind"),
              design = r.Column("designation"), spect = r.Column("spectral_class"),
              lum = r.Column("luminosity_class"), bv = r.Column("bv"), cst = r.Column("const"),
              abbr = r.Column("const_abbr");
    if (!r.Ok())
        return false;
    stars.clear();
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        StarSource s;
        s.Hip = static_cast<uint32_t>(r.Integer(i, hip));
        s.RaHours = r.Number(i, ra);
        s.DecDeg = r.Number(i, dec);
        s.VMag = r.Number(i, mag);
        s.Name = r.Text(i, name);
        // A proper name is either in the IAU's catalogue or traditional; "N/A" is neither.
        const std::string nameKind = r.Text(i, kind);
        const bool named = s.Name != "N/A";
        if (named ? nameKind != "IAU" && nameKind != "traditional" : !nameKind.empty())
            r.Fail(i, kind, named ? "a name is IAU or traditional" : "no kind without a name");
        s.TraditionalName = nameKind == "traditional";
        s.Design = r.Text(i, design);
        s.SpectClass = r.Text(i, spect);
        s.LumClass = r.Text(i, lum);
        s.BV = r.OptionalNumber(i, bv);
        s.Const = r.Integer(i, cst);
        if (!r.Ok())
            return false;
        if (s.Const < 1 || s.Const > kConstellationCount ||
            Abbreviation(s.Const) != r.Text(i, abbr))
        {
            error = "stars row " + std::to_string(i + 2) + ": constellation " +
                    std::to_string(s.Const) + " is not " + r.Text(i, abbr);
            return false;
        }
        stars.push_back(std::move(s));
    }
    return true;
}

bool LoadSegments(const CsvTable& table, std::vector<FigureSegment>& segments, std::string& error)
{
    RowReader r(table, error);
    const int cst = r.Column("const"), h1 = r.Column("hip1"), h2 = r.Column("hip2");
    if (!r.Ok())
        return false;
    segments.clear();
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        FigureSegment s;
        s.Const = r.Integer(i, cst);
        s.Hip1 = static_cast<uint32_t>(r.Integer(i, h1));
        s.Hip2 = static_cast<uint32_t>(r.Integer(i, h2));
        if (!r.Ok())
            return false;
        segments.push_back(s);
    }
    return true;
}

bool LoadDeepSky(const CsvTable& table, std::vector<DeepSkySource>& objects, std::string& error)
{
    RowReader r(table, error);
    const int mes = r.Column("messier"), ngc = r.Column("ngc"), type = r.Column("type"),
              size = r.Column("size"), comments = r.Column("comments"), ra = r.Column("ra_hours"),
              dec = r.Column("dec_deg"), mag = r.Column("vmag"), cst = r.Column("const");
    if (!r.Ok())
        return false;
    objects.clear();
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        DeepSkySource o;
        o.Messier = r.Integer(i, mes);
        o.Ngc = r.Integer(i, ngc);
        o.Type = r.Integer(i, type);
        o.Size = r.Text(i, size);
        o.Comments = r.Text(i, comments);
        o.RaHours = r.Number(i, ra);
        o.DecDeg = r.Number(i, dec);
        o.VMag = r.Number(i, mag);
        o.Const = r.Integer(i, cst);
        if (!r.Ok())
            return false;
        objects.push_back(std::move(o));
    }
    return true;
}

bool LoadSolar(const CsvTable& table, std::vector<SolarSource>& bodies, std::string& error)
{
    RowReader r(table, error);
    const int kind = r.Column("kind"), name = r.Column("name"), a = r.Column("semi_axis_au"),
              e = r.Column("eccentricity"), inc = r.Column("inclination_deg"),
              node = r.Column("asc_node_deg"), peri = r.Column("arg_perihelion_deg"),
              jd = r.Column("perihelion_jd"), period = r.Column("period_days");
    if (!r.Ok())
        return false;
    bodies.clear();
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        SolarSource b;
        const std::string k = r.Text(i, kind);
        if (k.size() != 1)
        {
            error = "solobj row " + std::to_string(i + 2) + ": kind must be one letter";
            return false;
        }
        b.Kind = k[0];
        b.Name = r.Text(i, name);
        b.SemiAxisAu = r.Number(i, a);
        b.Eccentricity = r.Number(i, e);
        b.InclinationDeg = r.Number(i, inc);
        b.AscNodeDeg = r.Number(i, node);
        b.ArgPerihelionDeg = r.Number(i, peri);
        b.PerihelionJd = r.Number(i, jd);
        b.PeriodDays = r.Number(i, period);
        if (!r.Ok())
            return false;
        bodies.push_back(std::move(b));
    }
    return true;
}

std::vector<size_t> StarFileOrder(const std::vector<StarSource>& stars)
{
    std::vector<size_t> order(stars.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b)
              {
                  const StarSource& x = stars[a];
                  const StarSource& y = stars[b];
                  if (x.Const != y.Const)
                      return x.Const < y.Const;
                  if (x.VMag != y.VMag)
                      return x.VMag < y.VMag;
                  return x.Hip < y.Hip;
              });
    return order;
}

bool LoadStarMotions(const CsvTable& table, std::vector<StarSource>& stars, std::string& error)
{
    RowReader r(table, error);
    const int hip = r.Column("hip"), ra = r.Column("pm_ra_mas"), dec = r.Column("pm_dec_mas");
    if (!r.Ok())
        return false;
    std::map<uint32_t, std::pair<double, double>> motions;
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        const auto h = static_cast<uint32_t>(r.Integer(i, hip));
        const double pmRa = r.Number(i, ra), pmDec = r.Number(i, dec);
        if (!r.Ok())
            return false;
        if (!(std::fabs(pmRa) <= sky::kLargestProperMotion &&
              std::fabs(pmDec) <= sky::kLargestProperMotion) ||
            !motions.emplace(h, std::pair{pmRa, pmDec}).second)
        {
            error = "star_motions row " + std::to_string(i + 2) + ": HIP " + std::to_string(h) +
                    " listed twice or moving implausibly fast";
            return false;
        }
    }
    for (StarSource& s : stars)
    {
        const auto found = motions.find(s.Hip);
        if (found == motions.end())
        {
            error = "no proper motion for HIP " + std::to_string(s.Hip);
            return false;
        }
        s.PmRa = found->second.first;
        s.PmDec = found->second.second;
    }
    return true;
}

std::vector<uint8_t> BuildStarMotionFile(const std::vector<StarSource>& stars)
{
    std::vector<uint8_t> image;
    for (const size_t i : StarFileOrder(stars))
    {
        const sky::StarMotionRecord record{stars[i].Hip, static_cast<float>(stars[i].PmRa),
                                           static_cast<float>(stars[i].PmDec)};
        const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
        image.insert(image.end(), bytes, bytes + sizeof record);
    }
    return image;
}

bool BuildStarFile(const std::vector<StarSource>& stars, const std::vector<FigureSegment>& segments,
                   std::vector<uint8_t>& image, StarBuildReport& report, std::string& error)
{
    report = StarBuildReport{};
    if (stars.size() != static_cast<size_t>(kStarCount))
    {
        error = "stars table has " + std::to_string(stars.size()) + " stars, need " +
                std::to_string(kStarCount);
        return false;
    }

    const std::vector<size_t> order = StarFileOrder(stars);

    std::map<uint32_t, size_t> position; // HIP -> record index
    for (size_t i = 0; i < order.size(); ++i)
    {
        if (!position.emplace(stars[order[i]].Hip, i).second)
        {
            error = "HIP " + std::to_string(stars[order[i]].Hip) + " listed twice";
            return false;
        }
    }
    std::vector<size_t> blockStart(kConstellationCount + 2, order.size());
    for (size_t i = order.size(); i-- > 0;)
        blockStart[static_cast<size_t>(stars[order[i]].Const)] = i;
    for (int c = kConstellationCount; c >= 1; --c)
        blockStart[static_cast<size_t>(c)] =
            std::min(blockStart[static_cast<size_t>(c)], blockStart[static_cast<size_t>(c + 1)]);

    // Segments per constellation, as block-local vertex numbers.
    std::map<int, std::vector<std::pair<int, int>>> edges;
    std::map<int, int> dropped;
    std::set<std::pair<uint32_t, uint32_t>> seen;
    for (const FigureSegment& s : segments)
    {
        const auto key = std::minmax(s.Hip1, s.Hip2);
        if (s.Hip1 == s.Hip2 || !seen.insert(key).second)
        {
            error = "figure segment HIP " + std::to_string(s.Hip1) + "-" + std::to_string(s.Hip2) +
                    " repeated or degenerate";
            return false;
        }
        const auto a = position.find(s.Hip1);
        const auto b = position.find(s.Hip2);
        if (a == position.end() || b == position.end())
        {
            ++dropped[s.Const];
            continue;
        }
        const int ca = stars[order[a->second]].Const;
        const int cb = stars[order[b->second]].Const;
        if (ca != s.Const || cb != s.Const)
        {
            error = "figure segment HIP " + std::to_string(s.Hip1) + "-" + std::to_string(s.Hip2) +
                    " of " + Abbreviation(s.Const) + " joins stars of another constellation";
            return false;
        }
        const size_t start = blockStart[static_cast<size_t>(s.Const)];
        edges[s.Const].emplace_back(static_cast<int>(a->second - start),
                                    static_cast<int>(b->second - start));
    }

    std::vector<StarDB> records(order.size());
    for (size_t i = 0; i < order.size(); ++i)
    {
        const StarSource& s = stars[order[i]];
        StarDB& r = records[i];
        r = StarDB{};
        r.NumConst = static_cast<uint8_t>(s.Const);
        if (!CopyText(r.StarName, sizeof r.StarName, s.Name) ||
            !CopyText(r.Design, sizeof r.Design, s.Design) ||
            !CopyText(r.SpectType, sizeof r.SpectType, s.SpectClass))
        {
            error = "HIP " + std::to_string(s.Hip) + ": name, designation or spectral class " +
                    "does not fit its field";
            return false;
        }
        r.RA = static_cast<float>(s.RaHours);
        r.Dec = static_cast<float>(s.DecDeg);
        r.Magnitude = static_cast<float>(s.VMag);
        r.Propert.size = SizeCode(s.SpectClass, s.LumClass) & 0xF;
        r.Propert.color = ColorCode(s.SpectClass, s.BV) & 0xF;
        r.Propert.traditionalName = s.TraditionalName ? 1 : 0;
        r.Propert.unused = 0;
    }

    for (int c = 1; c <= kConstellationCount; ++c)
    {
        const size_t start = blockStart[static_cast<size_t>(c)];
        const size_t end = blockStart[static_cast<size_t>(c + 1)];
        if (start == end)
            continue;
        ++report.ConstellationsWithStars;
        const auto& list = edges[c];
        if (list.empty())
        {
            error = "constellation " + Abbreviation(c) + " (" + std::to_string(c) +
                    ") has stars but no figure segment";
            return false;
        }
        if (end - start > 255)
        {
            error = "constellation " + Abbreviation(c) + " has more than 255 stars";
            return false;
        }
        std::vector<std::array<int, 2>> owned;
        if (!AssignLinks(static_cast<int>(end - start), list, owned))
        {
            error = "constellation " + Abbreviation(c) +
                    ": figure needs more than two links on some star";
            return false;
        }
        for (size_t v = 0; v < owned.size(); ++v)
        {
            StarDB& r = records[start + v];
            r.NLink1 = static_cast<uint8_t>(owned[v][0] + 1);
            r.NLink2 = static_cast<uint8_t>(owned[v][1] + 1);
        }
        ++report.ConstellationsWithFigures;
        report.Links += static_cast<int>(list.size());
    }
    for (const auto& [c, n] : dropped)
    {
        report.DroppedSegments += n;
        report.DroppedBy.push_back(Abbreviation(c) + " " + std::to_string(n));
    }
    report.Stars = static_cast<int>(records.size());

    image.clear();
    for (const StarDB& r : records)
        AppendRecord(image, r);
    return true;
}

bool BuildNgcMessFile(const std::vector<DeepSkySource>& objects, std::vector<uint8_t>& image,
                      std::string& error)
{
    if (objects.size() != static_cast<size_t>(kNgcMessCount))
    {
        error = "deep-sky table has " + std::to_string(objects.size()) + " objects, need " +
                std::to_string(kNgcMessCount);
        return false;
    }
    image.clear();
    for (const DeepSkySource& o : objects)
    {
        const std::string label = "NGC " + std::to_string(o.Ngc);
        if (o.Messier < 0 || o.Messier > 255 || o.Ngc < 1 || o.Ngc > 65535 || o.Type < 0 ||
            o.Type > 6 || o.Const < 1 || o.Const > kConstellationCount)
        {
            error = label + ": Messier, NGC, type or constellation number out of range";
            return false;
        }
        NGCMessDB r{};
        r.NumConst = static_cast<uint8_t>(o.Const);
        r.Messier = static_cast<uint8_t>(o.Messier);
        r.NGC = static_cast<uint16_t>(o.Ngc);
        r.Type = static_cast<uint8_t>(o.Type);
        if (!CopyText(r.Size, sizeof r.Size, o.Size) ||
            !CopyText(r.Comments, sizeof r.Comments, o.Comments))
        {
            error = label + ": size or comment does not fit its field";
            return false;
        }
        r.RA = static_cast<float>(o.RaHours);
        r.Dec = static_cast<float>(o.DecDeg);
        r.Magnitude = static_cast<float>(o.VMag);
        r.Photo = 0;
        AppendRecord(image, r);
    }
    return true;
}

bool BuildSolobjFile(const std::vector<SolarSource>& bodies, std::vector<uint8_t>& image,
                     std::string& error)
{
    if (bodies.size() != static_cast<size_t>(kSolarCount))
    {
        error = "solobj table has " + std::to_string(bodies.size()) + " bodies, need " +
                std::to_string(kSolarCount);
        return false;
    }
    image.clear();
    for (const SolarSource& b : bodies)
    {
        SolarObjects r{};
        r.ID = b.Kind;
        if (!CopyText(r.Name, sizeof r.Name, b.Name))
        {
            error = b.Name + ": name does not fit its field";
            return false;
        }
        r.SemiAxis = b.SemiAxisAu;
        r.Eccentr = static_cast<float>(b.Eccentricity);
        r.Inclin = static_cast<float>(b.InclinationDeg);
        r.AscenNode = static_cast<float>(b.AscNodeDeg);
        r.ArgPer = static_cast<float>(b.ArgPerihelionDeg);
        r.PeriDate = b.PerihelionJd;
        r.Period = static_cast<float>(b.PeriodDays);
        AppendRecord(image, r);
    }
    return true;
}

bool CheckStarFile(const std::vector<uint8_t>& image, std::string& error)
{
    if (image.size() != static_cast<size_t>(kStarCount) * sizeof(StarDB))
    {
        error = "Stars.dat holds " + std::to_string(image.size()) + " bytes, expected " +
                std::to_string(kStarCount * sizeof(StarDB));
        return false;
    }
    std::vector<StarDB> r(kStarCount);
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = RecordAt<StarDB>(image, i);

    std::set<std::pair<size_t, size_t>> segments;
    size_t start = 0;
    while (start < r.size())
    {
        const int c = r[start].NumConst;
        if (c < 1 || c > kConstellationCount || (start > 0 && c <= r[start - 1].NumConst))
        {
            error = RecordLabel("star", start) + ": constellation " + std::to_string(c) +
                    " out of range or out of ascending block order";
            return false;
        }
        size_t end = start;
        while (end < r.size() && r[end].NumConst == c)
            ++end;
        const size_t blockSize = end - start;
        size_t blockLinks = 0;
        for (size_t i = start; i < end; ++i)
        {
            const StarDB& s = r[i];
            const std::string label = RecordLabel("star", i);
            if (s.NLink1 == 0 && s.NLink2 != 0)
            {
                error = label + ": second link without a first one would never be drawn";
                return false;
            }
            for (const uint8_t link : {s.NLink1, s.NLink2})
            {
                if (link == 0)
                    continue;
                if (link > blockSize || start + link - 1 == i)
                {
                    error = label + ": link " + std::to_string(link) +
                            " outside its constellation block or onto itself";
                    return false;
                }
                const size_t partner = start + link - 1;
                if (!segments.insert(std::minmax(i, partner)).second)
                {
                    error = label + ": segment to record " + std::to_string(partner) +
                            " is given twice";
                    return false;
                }
                ++blockLinks;
            }
            if (!IsPaddedText(s.StarName, sizeof s.StarName, false) ||
                !IsPaddedText(s.Design, sizeof s.Design, false) ||
                !IsPaddedText(s.SpectType, sizeof s.SpectType, true))
            {
                error = label + ": text field not terminated, empty or not zero-padded";
                return false;
            }
            if (!(s.RA >= 0.0f && s.RA < 24.0f) || !(s.Dec >= -90.0f && s.Dec <= 90.0f) ||
                !std::isfinite(s.Magnitude) || s.Magnitude < -2.0f || s.Magnitude > 7.0f)
            {
                error = label + ": position or magnitude out of range";
                return false;
            }
            if (s.Propert.unused != 0 || s.Propert.size > 5 || s.Propert.color < 1 ||
                s.Propert.color > 8)
            {
                error = label + ": size or colour code out of range";
                return false;
            }
            if (s.Propert.traditionalName && std::strcmp(s.StarName, "N/A") == 0)
            {
                error = label + ": a star without a name has no kind of name";
                return false;
            }
        }
        if (blockLinks == 0)
        {
            error = "constellation " + Abbreviation(c) + " has stars but no line";
            return false;
        }
        start = end;
    }
    return true;
}

bool CheckNgcMessFile(const std::vector<uint8_t>& image, std::string& error)
{
    if (image.size() != static_cast<size_t>(kNgcMessCount) * sizeof(NGCMessDB))
    {
        error = "NGCMess.dat holds " + std::to_string(image.size()) + " bytes, expected " +
                std::to_string(kNgcMessCount * sizeof(NGCMessDB));
        return false;
    }
    std::set<int> types;
    std::set<int> ngcNumbers;
    for (size_t i = 0; i < static_cast<size_t>(kNgcMessCount); ++i)
    {
        const NGCMessDB o = RecordAt<NGCMessDB>(image, i);
        const std::string label = RecordLabel("deep-sky", i);
        if (o.NumConst < 1 || o.NumConst > kConstellationCount || o.Type > 6 || o.NGC == 0 ||
            o.Photo > 1 || !ngcNumbers.insert(o.NGC).second)
        {
            error = label + ": constellation, type or NGC number out of range or repeated";
            return false;
        }
        if (!IsPaddedText(o.Size, sizeof o.Size, false) ||
            !IsPaddedText(o.Comments, sizeof o.Comments, false))
        {
            error = label + ": text field not terminated, empty or not zero-padded";
            return false;
        }
        if (!(o.RA >= 0.0f && o.RA < 24.0f) || !(o.Dec >= -90.0f && o.Dec <= 90.0f) ||
            !std::isfinite(o.Magnitude))
        {
            error = label + ": position or magnitude out of range";
            return false;
        }
        types.insert(o.Type);
    }
    if (types.size() != 7)
    {
        error = "NGCMess.dat covers only " + std::to_string(types.size()) + " of 7 types";
        return false;
    }
    return true;
}

bool CheckSolobjFile(const std::vector<uint8_t>& image, std::string& error)
{
    static const char* const kSlotNames[kSolarCount] = {"Mercury", "Venus",  "Earth",  "Mars",
                                                        "Jupiter", "Saturn", "Uranus", "Neptune",
                                                        "Pluto",   "Halley", "Encke"};
    if (image.size() != static_cast<size_t>(kSolarCount) * sizeof(SolarObjects))
    {
        error = "Solobj.dat holds " + std::to_string(image.size()) + " bytes, expected " +
                std::to_string(kSolarCount * sizeof(SolarObjects));
        return false;
    }
    for (size_t i = 0; i < static_cast<size_t>(kSolarCount); ++i)
    {
        const SolarObjects b = RecordAt<SolarObjects>(image, i);
        const std::string label = RecordLabel("solar", i);
        const char kind = i < 9 ? 'P' : 'C';
        if (b.ID != kind || !IsPaddedText(b.Name, sizeof b.Name, false) ||
            std::strcmp(b.Name, kSlotNames[i]) != 0)
        {
            error = label + ": expected " + kind + " " + kSlotNames[i];
            return false;
        }
        if (!(b.SemiAxis > 0.0) || !(b.Eccentr >= 0.0f && b.Eccentr < 1.0f) || !(b.Period > 0.0f) ||
            !std::isfinite(b.PeriDate) || !std::isfinite(b.Inclin) || !std::isfinite(b.AscenNode) ||
            !std::isfinite(b.ArgPer))
        {
            error = label + ": orbital element out of range";
            return false;
        }
    }
    return true;
}
