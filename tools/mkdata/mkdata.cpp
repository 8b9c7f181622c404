// mkdata: builds the program's catalogues "Stars.dat" with its proper motions
// "StarMotion.dat", "NGCMess.dat" and "Solobj.dat" and the Astronomical Database files
// "Planets.dat", "Satellites.dat" and "Rings.dat" from the source tables in data/, checks
// them, and writes them only when every check passes.
//
//   mkdata --data <dir with the CSV tables> --out <Data directory>
//
// Exit status 0 on success; 1 with a message on stderr when a table is malformed or a check of
// the output fails (the build then stops and leaves no new output behind).

#include "Catalogue.h"
#include "CsvTable.h"
#include "DataBase.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

// Writes bytes to a file by way of a temporary beside it, so that a failed write never leaves
// a half-written catalogue with a fresh time stamp.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out)
        {
            error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        error = "cannot rename " + temporary + " to " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "mkdata: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataDir;
    std::string outDir;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--data")
            dataDir = argv[i + 1];
        else if (option == "--out")
            outDir = argv[i + 1];
        else
            return Fail("unknown option " + option);
    }
    if (dataDir.empty() || outDir.empty() || argc % 2 == 0)
        return Fail("usage: mkdata --data <source tables> --out <Data directory>");

    std::string error;
    CsvTable table;
    std::vector<StarSource> stars;
    std::vector<FigureSegment> segments;
    std::vector<DeepSkySource> objects;
    std::vector<SolarSource> bodies;
    if (!ReadCsvFile(dataDir + "/stars.csv", table, error) || !LoadStars(table, stars, error))
        return Fail("stars.csv: " + error);
    if (!ReadCsvFile(dataDir + "/star_motions.csv", table, error) ||
        !LoadStarMotions(table, stars, error))
        return Fail("star_motions.csv: " + error);
    if (!ReadCsvFile(dataDir + "/constellation_lines.csv", table, error) ||
        !LoadSegments(table, segments, error))
        return Fail("constellation_lines.csv: " + error);
    if (!ReadCsvFile(dataDir + "/ngcmess.csv", table, error) || !LoadDeepSky(table, objects, error))
        return Fail("ngcmess.csv: " + error);
    if (!ReadCsvFile(dataDir + "/solobj.csv", table, error) || !LoadSolar(table, bodies, error))
        return Fail("solobj.csv: " + error);

    DataBaseTables dbTables;
    for (const auto& [file, target] :
         {std::pair{"planets.csv", &dbTables.Planets},
          std::pair{"structure.csv", &dbTables.Structure}, std::pair{"sun.csv", &dbTables.Sun},
          std::pair{"sun_elements.csv", &dbTables.SunElements},
          std::pair{"moon.csv", &dbTables.Moon}, std::pair{"satellites.csv", &dbTables.Satellites},
          std::pair{"rings.csv", &dbTables.Rings}})
    {
        if (!ReadCsvFile(dataDir + "/" + file, *target, error))
            return Fail(error);
    }

    std::vector<uint8_t> starImage;
    std::vector<uint8_t> ngcImage;
    std::vector<uint8_t> solarImage;
    StarBuildReport report;
    if (!BuildStarFile(stars, segments, starImage, report, error))
        return Fail("Stars.dat: " + error);
    if (!BuildNgcMessFile(objects, ngcImage, error))
        return Fail("NGCMess.dat: " + error);
    if (!BuildSolobjFile(bodies, solarImage, error))
        return Fail("Solobj.dat: " + error);

    DataBaseImages dbImages;
    DataBaseReport dbReport;
    if (!BuildDataBaseFiles(dbTables, dbImages, dbReport, error))
        return Fail(error);

    if (!CheckStarFile(starImage, error))
        return Fail("check of Stars.dat failed: " + error);
    if (!CheckNgcMessFile(ngcImage, error))
        return Fail("check of NGCMess.dat failed: " + error);
    if (!CheckSolobjFile(solarImage, error))
        return Fail("check of Solobj.dat failed: " + error);
    if (!CheckDataBaseFiles(dbImages, error))
        return Fail("check of the database files failed: " + error);
    if (!CheckPlanetOrbits(dbImages.Planets, solarImage, error))
        return Fail("Planets.dat against Solobj.dat: " + error);
    if (report.ConstellationsWithFigures != report.ConstellationsWithStars)
        return Fail("some constellations with stars have no figure");

    if (!WriteFile(outDir + "/Stars.dat", starImage, error) ||
        !WriteFile(outDir + "/StarMotion.dat", BuildStarMotionFile(stars), error) ||
        !WriteFile(outDir + "/NGCMess.dat", ngcImage, error) ||
        !WriteFile(outDir + "/Solobj.dat", solarImage, error) ||
        !WriteFile(outDir + "/Planets.dat", dbImages.Planets, error) ||
        !WriteFile(outDir + "/Satellites.dat", dbImages.Satellites, error) ||
        !WriteFile(outDir + "/Rings.dat", dbImages.Rings, error))
        return Fail(error);

    std::string droppedBy;
    for (const std::string& entry : report.DroppedBy)
        droppedBy += (droppedBy.empty() ? "" : ", ") + entry;
    std::printf("mkdata: %d stars, %d links, %d of %d constellations with figures, %d figure "
                "segments dropped (%s); %zu deep-sky objects; %zu solar bodies\n",
                report.Stars, report.Links, report.ConstellationsWithFigures,
                report.ConstellationsWithStars, report.DroppedSegments, droppedBy.c_str(),
                objects.size(), bodies.size());
    std::string satellites, rings;
    for (int planet = 1; planet < 10; ++planet)
    {
        satellites += (planet > 1 ? " " : "") + std::to_string(dbReport.Satellites[planet]);
        rings += (planet > 1 ? " " : "") + std::to_string(dbReport.Rings[planet]);
    }
    std::printf("mkdata: database: satellites per planet %s (and the Moon), rings per planet %s\n",
                satellites.c_str(), rings.c_str());
    return 0;
}
