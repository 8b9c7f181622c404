// Assembles Velmoria.hlp from the topic sources: a first line "VELMORIA HELP 1", then every topic
// as a line "@@topic <key>" followed by its HTML body. The constellation index is written from
// the program's own constellation table, so the two can never disagree; its rows are sorted by
// name, so that a student finds a constellation as in a dictionary, and keep the program's
// numbers.
#include "Generators.h"
#include "starmap/ConstName.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>

namespace
{
const char* const kTablePlaceholder = "<!-- constellation-table -->";

QString ConstellationTable()
{
    QString html = "<table cellpadding=\"3\">\n<tr><th align=\"left\">No.</th>"
                   "<th align=\"left\">Abbreviation</th><th align=\"left\">Name</th></tr>\n";
    std::array<int, kConstellationCount> order{};
    for (int k = 0; k < kConstellationCount; ++k)
        order[size_t(k)] = k + 1;
    // "Serpens (Caput)" before "Serpens (Cauda)"; the two halves share one abbreviation.
    std::stable_sort(order.begin(), order.end(),
                     [](int a, int b)
                     {
                         // Not the locale's order: the file must be the same on every machine.
                         return QString::compare(QString::fromLatin1(ConstName[2 * (a - 1)]),
                                                 QString::fromLatin1(ConstName[2 * (b - 1)]),
                                                 Qt::CaseInsensitive) < 0;
                     });
    for (const int k : order)
        html += QString("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(k)
                    .arg(QString::fromLatin1(ConstName[2 * (k - 1) + 1]).toHtmlEscaped())
                    .arg(QString::fromLatin1(ConstName[2 * (k - 1)]).toHtmlEscaped());
    return html + "</table>\n";
}

bool ReadTopic(const QString& path, QString& body)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    body = QString::fromUtf8(file.readAll());
    if (!body.endsWith('\n'))
        body += '\n';
    return true;
}
} // namespace

bool MakeHelp(const QString& helpSrcDir, const QString& runtimeDir)
{
    // The topics the program opens, in the order of the file; any further page in the source
    // folder follows them.
    QStringList keys = {"contents", "helponhelp"};
    for (int context = 9001; context <= 9020; ++context)
        keys << QString::number(context);
    const QStringList sources = QDir(helpSrcDir).entryList({"*.html"}, QDir::Files, QDir::Name);
    for (const QString& source : sources)
    {
        const QString key = source.chopped(5);
        if (!keys.contains(key))
            keys << key;
    }

    QString out = "VELMORIA HELP 1\n";
    bool ok = true;
    for (const QString& key : keys)
    {
        QString body;
        if (!ReadTopic(helpSrcDir + "/" + key + ".html", body))
        {
            std::fprintf(stderr, "mkmedia: help topic %s is missing\n", qPrintable(key));
            ok = false;
            continue;
        }
        // A line starting with the topic marker would split the topic in two.
        if (body.startsWith("@@topic") || body.contains("\n@@topic"))
        {
            std::fprintf(stderr, "mkmedia: help topic %s contains a topic marker\n",
                         qPrintable(key));
            ok = false;
            continue;
        }
        body.replace(kTablePlaceholder, ConstellationTable());
        out += "@@topic " + key + "\n" + body;
    }
    const QString path = runtimeDir + "/Velmoria.hlp";
    QFile file(path);
    const QByteArray bytes = out.toUtf8();
    return Report(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), path) && ok;
}
