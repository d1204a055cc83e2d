// The folders of the program import only downwards: each core folder uses
// only those below it, the page layouts and the network use only the core,
// and each folder of
// widgets uses the core, the page layouts and the widget folders below it.
// So no form needs the main window, and no loop can form between folders.
// The database engine itself (its header, handle and calls) stays inside db/.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList kCore = {"base",       "format", "settings", "db",        "lists",   "session",
                           "masterdata", "sales",  "stockops", "documents", "reports", "app"};
// The page layouts (QtGui) and the network (QtNetwork) stand on the core.
const QStringList kBesideCore = {"print", "net"};
const QStringList kWidgets = {"base",     "print",     "lists",   "masterdata", "sales",
                              "stockops", "documents", "reports", "app"};

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
        return kWidgets.indexOf(to.folder) <= kWidgets.indexOf(from.folder) ? QString()
                                                                            : "widgets from above";
    }
    if (to.widgets)
        return "widgets from the core";
    if (kBesideCore.contains(from.folder))
        return kCore.contains(to.folder) || to.folder == from.folder ? QString() : "unknown folder";
    if (!kCore.contains(from.folder) || !kCore.contains(to.folder))
        return kBesideCore.contains(to.folder) ? "page layouts or network from the core" : "unknown folder";
    return kCore.indexOf(to.folder) <= kCore.indexOf(from.folder) ? QString() : "a folder above";
}

TEST(Layers, EveryIncludePointsDown) {
    const QString root = TARVO_SOURCE_DIR;
    const QRegularExpression include(R"re(^#include "([a-z]+/[^"]+)")re",
                                     QRegularExpression::MultilineOption);
    const QRegularExpression engine(R"re(<sqlite3\.h>|\bsqlite3(_\w+)?\b)re");
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
}

} // namespace
