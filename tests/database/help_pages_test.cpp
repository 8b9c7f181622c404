// The help file as a student meets it: every Help button of the program opens a real page,
// every link leads somewhere, every page can be reached, and the indexes read like a dictionary.
#include "platform/Help.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace
{
using Topics = std::map<std::string, std::string>;

class HelpPages : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        std::ifstream in(VELMORIA_RUNTIME_DIR "/Velmoria.hlp", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        topics = new Topics(platform::ParseHelpFile(text.str()));
    }
    static void TearDownTestSuite()
    {
        delete topics;
        topics = nullptr;
    }

    static QString Page(const std::string& key)
    {
        const auto it = topics->find(key);
        return it == topics->end() ? QString() : QString::fromStdString(it->second);
    }

    // Words of running text, tags left out.
    static int Words(const QString& html)
    {
        QString text = html;
        text.remove(QRegularExpression("<[^>]*>"));
        return int(text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size());
    }

    static Topics* topics;
};
Topics* HelpPages::topics = nullptr;

// The context numbers that the program's sources pass to the help viewer, directly or through a
// named constant. A card with tabs adds the tab's index to its first number.
QSet<int> ContextsInSources()
{
    QSet<int> found;
    const QRegularExpression use("(?:kHelp\\w*\\s*=\\s*|ShowHelpTopic\\([^,]+,\\s*)(9\\d\\d\\d)\\b");
    QDirIterator it(VELMORIA_SOURCE_DIR "/src", {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = use.globalMatch(text); m.hasNext();)
            found.insert(m.next().captured(1).toInt());
    }
    return found;
}
} // namespace

TEST_F(HelpPages, EveryHelpButtonOpensARealPageAndEveryLinkLeadsToOne)
{
    ASSERT_FALSE(topics->empty()) << "Velmoria.hlp is missing or has no header";
    // The windows whose Help button (or command) opens a context, with the number of tabs that
    // each add one to it.
    const struct
    {
        const char* window;
        int context;
        int pages;
    } buttons[] = {
        {"title screen, Info", 9018, 1},
        {"Solar System Setup", 9001, 1},
        {"Star Map Setup", 9002, 1},
        {"Time Update", 9003, 1},
        {"Location Choice", 9004, 1},
        {"Sun card", 9005, 2},
        {"planet card", 9007, 4},
        {"satellite card", 9011, 1},
        {"Moon card", 9012, 3},
        {"Search", 9015, 1},
        {"Star Map, constellation index", 9016, 1},
        {"ring card", 9017, 1},
        {"Planets Comparison", 9019, 1},
        {"Almanac, F1", 9020, 1},
    };
    QSet<int> listed;
    for (const auto& b : buttons)
        for (int page = 0; page < b.pages; ++page)
        {
            const int context = b.context + page;
            listed.insert(context);
            SCOPED_TRACE(std::string(b.window) + ", context " + std::to_string(context));
            const QString html = Page(std::to_string(context));
            ASSERT_FALSE(html.isEmpty()) << "no page";
            EXPECT_TRUE(html.startsWith("<h1>")) << "a page opens with its title";
            EXPECT_GE(Words(html), 170) << "a lesson, not a stub";
        }
    for (const int context : ContextsInSources())
        EXPECT_TRUE(listed.contains(context))
            << "context " << context << " is used in src/ but its window is not in the table";

    // Every link names a page, and an anchor in it when it has one; every page can be reached
    // from the contents or is opened by a button.
    const QRegularExpression link("href=\"topic:([^\"#]+)(?:#([^\"]+))?\"");
    QSet<QString> reached{"contents"};
    QStringList queue{"contents"};
    int links = 0;
    for (const auto& [key, body] : *topics)
    {
        const QString html = QString::fromStdString(body);
        for (auto m = link.globalMatch(html); m.hasNext();)
        {
            const auto hit = m.next();
            const std::string target = hit.captured(1).toStdString();
            SCOPED_TRACE(key + " -> " + hit.captured(0).toStdString());
            ++links;
            ASSERT_NE(topics->find(target), topics->end()) << "no such page";
            if (!hit.captured(2).isEmpty())
            {
                const QString page = Page(target);
                EXPECT_TRUE(page.contains("name=\"" + hit.captured(2) + "\"") ||
                            page.contains("id=\"" + hit.captured(2) + "\""))
                    << "no such anchor";
            }
        }
        EXPECT_EQ(html.count("href=\""), html.count("href=\"topic:"))
            << key << ": links stay inside the help file";
    }
    EXPECT_GT(links, 100);
    while (!queue.isEmpty())
    {
        const QString html = Page(queue.takeFirst().toStdString());
        for (auto m = link.globalMatch(html); m.hasNext();)
        {
            const QString target = m.next().captured(1);
            if (!reached.contains(target))
            {
                reached.insert(target);
                queue << target;
            }
        }
    }
    for (const auto& [key, body] : *topics)
        EXPECT_TRUE(reached.contains(QString::fromStdString(key)) ||
                    listed.contains(QString::fromStdString(key).toInt()))
            << key << " cannot be reached";
}

TEST_F(HelpPages, IndexesAreInAlphabeticalOrder)
{
    const struct
    {
        const char* topic;
        int column; // the cell of each row that holds the entry
    } indexes[] = {
        {"contents", 0}, // the subject index at the end of the contents
        {"9016", 2},     // the constellations, by name
    };
    // A row of plain cells; the subject index's second cell holds links and is not matched.
    const QRegularExpression row("<tr><td>([^<]*)</td>(?:<td>([^<]*)</td><td>([^<]*)</td></tr>)?");
    for (const auto& index : indexes)
    {
        SCOPED_TRACE(index.topic);
        QStringList entries;
        for (auto m = row.globalMatch(Page(index.topic)); m.hasNext();)
            entries << m.next().captured(index.column + 1);
        ASSERT_GT(entries.size(), 30);
        for (qsizetype k = 1; k < entries.size(); ++k)
            EXPECT_LE(QString::compare(entries[k - 1], entries[k], Qt::CaseInsensitive), 0)
                << qPrintable(entries[k - 1]) << " before " << qPrintable(entries[k]);
    }
}
