// Desktop integration: the entry that menus read, and the icon that both
// the entry and the window show.
#include <QFile>
#include <QMap>

#include "window_fixture.h"

namespace guitest {
namespace {

// The keys of the entry's [Desktop Entry] group.
QMap<QString, QString> EntryKeys() {
    QFile File(QStringLiteral(QUANTIVA_SOURCE_DIR "/desktop/org.tarnresearch.Quantiva.desktop"));
    QMap<QString, QString> Keys;
    if (!File.open(QIODevice::ReadOnly | QIODevice::Text)) return Keys;
    bool InGroup = false;
    while (!File.atEnd()) {
        const QString Line = QString::fromUtf8(File.readLine()).trimmed();
        if (Line.startsWith(QLatin1Char('['))) InGroup = Line == QStringLiteral("[Desktop Entry]");
        const qsizetype Equals = Line.indexOf(QLatin1Char('='));
        if (InGroup && Equals > 0) Keys.insert(Line.left(Equals), Line.mid(Equals + 1));
    }
    return Keys;
}

TEST(DesktopEntry, NamesTheProgramItsIconAndMenus) {
    const QMap<QString, QString> Keys = EntryKeys();
    ASSERT_FALSE(Keys.isEmpty());
    struct Case {
        const char* Key;
        const char* Value;
    };
    const Case Cases[] = {{"Type", "Application"},
                          {"Name", "Quantiva"},
                          {"Exec", "quantiva"},
                          {"Icon", "org.tarnresearch.Quantiva"},
                          {"Terminal", "false"}};
    for (const Case& C : Cases)
        EXPECT_EQ(Keys.value(QString::fromLatin1(C.Key)), QString::fromLatin1(C.Value)) << C.Key;
    const QStringList Categories = Keys.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
    for (const char* Category : {"Science", "Math"})
        EXPECT_TRUE(Categories.contains(QString::fromLatin1(Category))) << Category;
}

TEST_F(WindowTest, WindowShowsTheIcon) {
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/quantiva.svg")));
    EXPECT_FALSE(Window->windowIcon().pixmap(32, 32).isNull());
}

}  // namespace
}  // namespace guitest
