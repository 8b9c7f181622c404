// The data generator refuses a database table that the cards could not show faithfully: it
// stops the build with a message instead of writing a file.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// Runs the generator on a copy of data/ in which `table` has `from` replaced by `to`; returns
// its exit code and puts its error output in `message`.
int RunOnChangedTable(const QString& table, const QString& from, const QString& to,
                      QString& message)
{
    QTemporaryDir work;
    const QDir source(QStringLiteral(VELMORIA_SOURCE_DIR "/data"));
    QDir(work.path()).mkdir(QStringLiteral("out"));
    for (const QString& name : source.entryList({QStringLiteral("*.csv")}, QDir::Files))
        QFile::copy(source.filePath(name), work.filePath(name));
    QFile file(work.filePath(table));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    if (!text.contains(from))
        return -2;
    text.replace(from, to);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    file.write(text.toUtf8());
    file.close();

    QProcess mkdata;
    mkdata.start(QStringLiteral(VELMORIA_RUNTIME_DIR "/../tools/mkdata/mkdata"),
                 {QStringLiteral("--data"), work.path(), QStringLiteral("--out"),
                  work.filePath(QStringLiteral("out"))});
    mkdata.waitForFinished(60000);
    message = QString::fromUtf8(mkdata.readAllStandardError());
    const bool wrote = QFile::exists(work.filePath(QStringLiteral("out/Planets.dat")));
    return mkdata.exitStatus() == QProcess::NormalExit && !wrote ? mkdata.exitCode() : -3;
}

} // namespace

TEST(DataBaseTables, GeneratorRefusesTablesTheCardsCouldNotShow)
{
    struct Case
    {
        const char* fault;
        const char* table;
        const char* from;
        const char* to;
        const char* says;
    };
    const Case cases[] = {
        {"Jupiter's count misses a satellite row", "planets.csv", ",16,4,97,", ",15,4,97,",
         "satellites.csv holds 16 rows"},
        {"fewer moons known than described", "planets.csv", ",16,4,97,", ",16,4,15,",
         "known moons must be at least the 16"},
        {"an Earth orbit off the Solar System's elements", "planets.csv",
         "1.00000261,0.01671123,0,", "1.00000261,0.01671123,0.001,", "orbit differs"},
        {"a satellite name without room for its NUL", "satellites.csv", ",Callisto,",
         ",Callistoooo,", "1..10 plain characters"},
        {"a layer combination the cards do not accept", "planets.csv",
         "innercore+outercore+mantle+crust,\"NASA Earth",
         "core+outercore+mantle+crust,\"NASA Earth", "layer combinations"},
        {"a fifth bar of the atmosphere chart", "planets.csv", "CO2:96.5;N2:3.5;SO2:0.015",
         "CO2:90;N2:3.5;SO2:3;Ar:2;Ne:0.5", "four parts"},
        {"a share the card would print as 0 %", "planets.csv", "NH3:0.026,", "NH3:0.026;HD:0.001,",
         "would print as 0"},
        {"a ring width equal to the upper-bound sentinel", "rings.csv", "Encke,133570,325",
         "Encke,133570,99999", "not 99999"},
        {"a Moon period whose record would match a planet in the scan", "moon.csv",
         "sidereal_period_d,27.321661", "sidereal_period_d,1.5", "sidereal_period_d"},
        {"layers that do not add up to the radius", "structure.csv", "Mars,1,Mantle,1447,1575",
         "Mars,1,Mantle,2447,2575", "do not add up"},
    };
    for (const Case& c : cases)
    {
        QString message;
        EXPECT_EQ(RunOnChangedTable(QString::fromLatin1(c.table), QString::fromLatin1(c.from),
                                    QString::fromLatin1(c.to), message),
                  1)
            << c.fault;
        EXPECT_TRUE(message.contains(QString::fromLatin1(c.says)))
            << c.fault << ": " << message.toStdString();
    }
}
