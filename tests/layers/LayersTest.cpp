// The folders of the program import only downwards: each core folder uses
// only those below it, the page layouts and the network use only the core,
// and each folder of
// widgets uses the core, the page layouts and the widget folders below it.
// So no form needs the main window, and no loop can form between folders.
// The database engines themselves (their headers, handles and calls) stay inside db/.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Each folder's rank; a folder uses its own and those of lower rank. Sales,
// stock operations and the other documents are siblings of one rank over
// the shared layer of trade, so none reaches another.
const QMap<QString, int> kCore = {{"base", 0},  {"format", 1},   {"settings", 2},   {"db", 3},
                                  {"lists", 4}, {"session", 5},  {"masterdata", 6}, {"trade", 7},
                                  {"sales", 8}, {"stockops", 8}, {"documents", 8},  {"reports", 9},
                                  {"app", 10}};
// The page layouts (QtGui) and the network (QtNetwork) stand on the core.
const QStringList kBesideCore = {"print", "net"};
const QMap<QString, int> kWidgets = {{"base", 0},       {"db", 1},      {"print", 2}, {"lists", 3},
                                     {"masterdata", 4}, {"trade", 5},   {"sales", 6}, {"stockops", 6},
                                     {"documents", 6},  {"reports", 7}, {"app", 8}};

bool below(const QMap<QString, int>& ranks, const QString& from, const QString& to) {
    return to == from || ranks.value(to) < ranks.value(from);
}

struct Place {
    QString folder;
    bool widgets = false;
};

Place placeOf(const QString& relativePath) {
    const QStringList parts = relativePath.split('/');
    return {parts.value(0), parts.size() > 2 && parts.value(1) == "ui"};
}

// Why the include breaks the layers, or empty when it is allowed.
QString fault(const Place& from, const Place& to) {
    if (from.widgets) {
        if (!to.widgets)
            return kCore.contains(to.folder) || kBesideCore.contains(to.folder) ? QString()
                                                                                : "unknown folder";
        if (!kWidgets.contains(from.folder) || !kWidgets.contains(to.folder))
            return "unknown folder";
        return below(kWidgets, from.folder, to.folder) ? QString() : "widgets from above or a sibling";
    }
    if (to.widgets)
        return "widgets from the core";
    if (kBesideCore.contains(from.folder))
        return kCore.contains(to.folder) || to.folder == from.folder ? QString() : "unknown folder";
    if (!kCore.contains(from.folder) || !kCore.contains(to.folder))
        return kBesideCore.contains(to.folder) ? "page layouts or network from the core" : "unknown folder";
    return below(kCore, from.folder, to.folder) ? QString() : "a folder above or a sibling";
}

TEST(Layers, EveryIncludePointsDown) {
    const QString root = TARVO_SOURCE_DIR;
    const QRegularExpression include(R"re(^#include "([a-z]+/[^"]+)")re",
                                     QRegularExpression::MultilineOption);
    const QRegularExpression engine(R"re(<sqlite3\.h>|\bsqlite3(_\w+)?\b|<libpq-fe\.h>|\bPQ[a-z]\w*\()re");
    int files = 0, includes = 0;
    QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root.size() + 1);
        if (!relative.contains('/'))
            continue; // main.cpp ties everything together
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const Place from = placeOf(relative);
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(from.folder == "db" || !text.contains(engine))
            << relative.toStdString() << " reaches the database engine";
        auto matches = include.globalMatch(text);
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
            ++includes;
            const QString why = fault(from, placeOf(target));
            EXPECT_TRUE(why.isEmpty()) << relative.toStdString() << " includes " << target.toStdString()
                                       << ": " << why.toStdString();
        }
    }
    EXPECT_GT(files, 150);
    EXPECT_GT(includes, 400);
}

TEST(Layers, TheRuleSeesAWrongInclude) {
    EXPECT_FALSE(fault({"masterdata", true}, {"app", true}).isEmpty());
    EXPECT_FALSE(fault({"db", false}, {"session", false}).isEmpty());
    EXPECT_FALSE(fault({"lists", false}, {"print", false}).isEmpty());
    EXPECT_FALSE(fault({"base", false}, {"base", true}).isEmpty());
    EXPECT_TRUE(fault({"lists", true}, {"print", true}).isEmpty());
    EXPECT_TRUE(fault({"print", false}, {"masterdata", false}).isEmpty());
    EXPECT_FALSE(fault({"sales", false}, {"net", false}).isEmpty());
    EXPECT_FALSE(fault({"net", false}, {"print", false}).isEmpty());
    EXPECT_TRUE(fault({"sales", true}, {"net", false}).isEmpty());
    EXPECT_FALSE(fault({"stockops", false}, {"sales", false}).isEmpty());
    EXPECT_FALSE(fault({"documents", true}, {"sales", true}).isEmpty());
    EXPECT_TRUE(fault({"sales", false}, {"trade", false}).isEmpty());
    EXPECT_TRUE(fault({"app", false}, {"documents", false}).isEmpty());
}

} // namespace
