// Reading back what the window kept: every damaged, missing or unknown value gives the
// first-start default; a window position is only taken where its title strip can be
// grabbed on a screen.
#include "catalogue/catalogue_database.h"
#include "shell/remembered_state.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString describe(const RememberedState& s) {
    const QString geometry = s.geometry ? QStringLiteral("%1,%2 %3x%4")
                                              .arg(s.geometry->x())
                                              .arg(s.geometry->y())
                                              .arg(s.geometry->width())
                                              .arg(s.geometry->height())
                                        : QStringLiteral("-");
    return QStringLiteral("geometry=%1 max=%2 opacity=%3 top=%4 standard=%5/%6 scope=%7 "
                          "material=%8 length=%9 count=%10")
        .arg(geometry)
        .arg(int(s.maximized))
        .arg(s.opacityPosition ? QString::number(*s.opacityPosition) : QStringLiteral("-"))
        .arg(int(s.keepOnTop))
        .arg(s.familyId)
        .arg(s.subtypeId)
        .arg(s.searchAllStandards ? QStringLiteral("all") : QStringLiteral("current"))
        .arg(QString::fromStdString(s.material))
        .arg(QString::fromStdString(s.takeOffLength))
        .arg(QString::fromStdString(s.takeOffCount));
}

const QString defaults = QStringLiteral("geometry=- max=0 opacity=- top=0 standard=0/0 "
                                        "scope=current material= length= count=");

} // namespace

class TstRememberedState : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString writeFile(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("state.ini"));
        QFile::remove(path);
        if (!content.isNull()) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly)) return {};
            file.write(content);
        }
        return path;
    }

  private slots:
    void readsCheckedValues_data() {
        QTest::addColumn<QByteArray>("file"); // null: no file at all
        QTest::addColumn<QString>("state");
        const QByteArray good = "[window]\nx=40\ny=30\nwidth=1000\nheight=700\nmaximized=true\n"
                                "opacity=120\nkeepOnTop=true\n"
                                "[browser]\nfamily=13\nstandard=2\nsearchScope=all\n"
                                "[weld]\nmaterial=铝材\n"
                                "[takeOff]\nlength=12.5\ncount=4\n";
        QTest::newRow("every value")
            << good
            << "geometry=40,30 1000x700 max=1 opacity=120 top=1 standard=13/2 scope=all "
               "material=铝材 length=12.5 count=4";
        QTest::newRow("no file") << QByteArray() << defaults;
        QTest::newRow("empty file") << QByteArray("") << defaults;
        static const char garbage[] = "\x00\xff\xfe[[[=\x01\n\x7f=\x80";
        QTest::newRow("binary garbage") << QByteArray(garbage, sizeof garbage - 1) << defaults;
        QTest::newRow("letters for numbers")
            << QByteArray("[window]\nx=abc\ny=1\nwidth=1000\nheight=700\nmaximized=true\n"
                          "[browser]\nfamily=十九\nstandard=79\n")
            << defaults; // no position, so not maximised either
        QTest::newRow("sizes out of range")
            << QByteArray("[window]\nx=0\ny=0\nwidth=-5\nheight=700\n") << defaults;
        QTest::newRow("huge number")
            << QByteArray("[window]\nx=99999999999999999999\ny=0\nwidth=900\nheight=700\n")
            << defaults;
        QTest::newRow("opacity too high") << QByteArray("[window]\nopacity=156\n") << defaults;
        QTest::newRow("opacity negative") << QByteArray("[window]\nopacity=-1\n") << defaults;
        QTest::newRow("opacity at its ends") << QByteArray("[window]\nopacity=0\n")
                                             << QString(defaults).replace("opacity=-", "opacity=0");
        QTest::newRow("keep on top spelt otherwise")
            << QByteArray("[window]\nkeepOnTop=yes\n") << defaults;
        QTest::newRow("family without standard")
            << QByteArray("[browser]\nfamily=13\n") << defaults;
        QTest::newRow("zero ids") << QByteArray("[browser]\nfamily=0\nstandard=0\n") << defaults;
        QTest::newRow("unknown scope") << QByteArray("[browser]\nsearchScope=ALL\n") << defaults;
        QTest::newRow("unknown material") << QByteArray("[weld]\nmaterial=木材\n") << defaults;
        QTest::newRow("decimal comma") << QByteArray("[takeOff]\nlength=\"1,5\"\n") << defaults;
        QTest::newRow("zero length") << QByteArray("[takeOff]\nlength=0\n") << defaults;
        QTest::newRow("absurd length") << QByteArray("[takeOff]\nlength=2000000000\n") << defaults;
        QTest::newRow("exponent") << QByteArray("[takeOff]\nlength=1e3\n") << defaults;
        QTest::newRow("fractional count") << QByteArray("[takeOff]\ncount=2.5\n") << defaults;
        QTest::newRow("negative count") << QByteArray("[takeOff]\ncount=-2\n") << defaults;
    }
    void readsCheckedValues() {
        QFETCH(QByteArray, file);
        QFETCH(QString, state);
        QSettings settings(writeFile(file), QSettings::IniFormat);
        QCOMPARE(describe(readRememberedState(settings)), state);
    }

    void aFolderInPlaceOfTheFileGivesDefaults() {
        const QString path = dir.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(path));
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(describe(readRememberedState(settings)), defaults);
    }

    void writtenStateReadsBack() {
        RememberedState state;
        state.geometry = QRect(-200, 15, 1280, 800);
        state.opacityPosition = 155;
        state.familyId = 25;
        state.subtypeId = 42;
        state.material = "铜";
        state.takeOffCount = "12";
        const QString path = writeFile(QByteArray());
        {
            QSettings settings(path, QSettings::IniFormat);
            writeRememberedState(settings, state);
        }
        QSettings again(path, QSettings::IniFormat);
        QCOMPARE(describe(readRememberedState(again)), describe(state));
        // A value no longer chosen is not left behind from an earlier run.
        state.opacityPosition.reset();
        state.material.clear();
        writeRememberedState(again, state);
        QSettings third(path, QSettings::IniFormat);
        QCOMPARE(describe(readRememberedState(third)), describe(state));
    }

    void anUnchangedStateLeavesTheFileAlone() {
        RememberedState state;
        state.geometry = QRect(10, 20, 1000, 700);
        state.familyId = 19;
        state.subtypeId = 79;
        state.takeOffLength = "6";
        const QString path = writeFile(QByteArray());
        {
            QSettings settings(path, QSettings::IniFormat);
            writeRememberedState(settings, state);
        }
        // QSettings drops comments when it rewrites a file, so a comment that stays shows
        // the second write of the same state did not touch the file.
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("; left alone\n");
        }
        {
            QSettings settings(path, QSettings::IniFormat);
            writeRememberedState(settings, state);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("; left alone"));
        // A changed state is written.
        state.keepOnTop = true;
        {
            QSettings settings(path, QSettings::IniFormat);
            writeRememberedState(settings, state);
        }
        QSettings again(path, QSettings::IniFormat);
        QCOMPARE(describe(readRememberedState(again)), describe(state));
    }

    void placesTheWindowWhereItCanBeGrabbed_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("placed"); // null: not placed
        // Two screens side by side, the second one smaller; the first loses 40 px to a panel.
        QTest::newRow("inside the first screen")
            << QRect(100, 80, 1000, 700) << QRect(100, 80, 1000, 700);
        QTest::newRow("below the minimum size")
            << QRect(100, 80, 300, 200) << QRect(100, 80, 900, 590);
        QTest::newRow("larger than its screen")
            << QRect(0, 40, 3000, 2000) << QRect(0, 40, 1920, 1040);
        QTest::newRow("strip partly above the top")
            << QRect(100, 30, 1000, 700) << QRect(100, 40, 1000, 700);
        QTest::newRow("on the second screen")
            << QRect(2000, 100, 1000, 700) << QRect(2000, 100, 1000, 700);
        QTest::newRow("only a sliver of strip on screen") << QRect(3150, 100, 1000, 700) << QRect();
        QTest::newRow("right of every screen") << QRect(5000, 100, 1000, 700) << QRect();
        QTest::newRow("strip under the bottom edge") << QRect(100, 1070, 1000, 700) << QRect();
        QTest::newRow("above every screen") << QRect(100, -800, 1000, 700) << QRect();
        QTest::newRow("in the gap beside the smaller screen")
            << QRect(2000, 1100, 1000, 700) << QRect();
        QTest::newRow("empty") << QRect(100, 100, 0, 0) << QRect();
    }
    void placesTheWindowWhereItCanBeGrabbed() {
        QFETCH(QRect, stored);
        QFETCH(QRect, placed);
        const QList<QRect> screens = {QRect(0, 40, 1920, 1040), QRect(1920, 0, 1280, 1024)};
        const auto result = placeRememberedWindow(stored, QSize(900, 590), screens);
        QCOMPARE(result.value_or(QRect()), placed);
        QCOMPARE(placeRememberedWindow(stored, QSize(900, 590), {}).has_value(), false);
    }

    void standardsMustBelongToABarFamily_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<bool>("known");
        QTest::newRow("first start") << 19 << 79 << true;
        QTest::newRow("plate") << 25 << 42 << true;
        QTest::newRow("standard of another family") << 19 << 1 << false;
        QTest::newRow("weld family") << 1 << 79 << false;
        QTest::newRow("no such family") << 999 << 79 << false;
        QTest::newRow("no such standard") << 19 << 9999 << false;
    }
    void standardsMustBelongToABarFamily() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(bool, known);
        const CatalogueQueries queries(CatalogueDatabase::instance());
        QCOMPARE(isStandardOfBarFamily(queries, family, subtype), known);
    }
};

QTEST_GUILESS_MAIN(TstRememberedState)
#include "tst_remembered_state.moc"
