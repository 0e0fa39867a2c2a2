// The window keeps its state between runs only through the settings it is handed: a
// state set through the widgets comes back in a new window, and damaged settings give
// the first-start window.
#include "../shell/window_fixture.h"

#include "browser/all_standards_search.h"
#include "ui/takeoff_panel.h"
#include "weld/materials.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

class TestWindowState : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    CatalogueQueries queries{CatalogueDatabase::instance()};

    QString settingsPath() const { return dir.filePath(QStringLiteral("window.ini")); }
    static QAbstractButton* button(MainWindow& w, LayoutId bar, int id) {
        QLayout* layout = ui::elementById(&w, bar)->layout();
        for (int i = 0; i < layout->count(); ++i) {
            auto* b = qobject_cast<QAbstractButton*>(layout->itemAt(i)->widget());
            if (b && ui::userId(b) == id) return b;
        }
        return nullptr;
    }
    template <typename T> static T* at(MainWindow& w, LayoutId id) {
        return ui::element<T>(&w, id);
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // Where the user's own settings would go: nothing may appear there.
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
    }

    void stateSetInTheWindowComesBack() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect placed(screen.topLeft() + QPoint(12, 8), QSize(900, 590));
        {
            MainWindow first(queries);
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            QTest::mouseClick(button(first, LayoutId::BarFamilyBar, 13), Qt::LeftButton);
            QTest::mouseClick(button(first, LayoutId::StandardsBar, 1002), Qt::LeftButton);
            auto* scope = at<QComboBox>(first, LayoutId::SearchScopeBox);
            scope->setFocus();
            QTest::keyClick(scope, Qt::Key_Down);
            auto* material = at<QComboBox>(first, LayoutId::MaterialBox);
            material->setCurrentIndex(2);
            emit material->activated(2);
            at<QSlider>(first, LayoutId::TransparencySlider)->setValue(120);
            QTest::mouseClick(at<QAbstractButton>(first, LayoutId::KeepOnTopButton),
                              Qt::LeftButton);
            first.setGeometry(placed);
            auto* takeOff = at<TakeOffPanel>(first, LayoutId::BarTakeOff);
            QTest::keyClicks(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField),
                             QStringLiteral("12.5"));
            QTest::keyClicks(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField),
                             QStringLiteral("4"));
            QSettings settings(settingsPath(), QSettings::IniFormat);
            first.saveState(settings);
        }
        QSettings settings(settingsPath(), QSettings::IniFormat);
        MainWindow next(queries);
        next.restoreState(settings);
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QCOMPARE(next.barPage()->currentStandardId(), 2);
        QCOMPARE(ui::element<QLabel>(&next, LayoutId::StandardNameLine)->text(),
                 QStringLiteral("轻型工字钢"));
        QVERIFY(button(next, LayoutId::BarFamilyBar, 13)->isChecked());
        QVERIFY(button(next, LayoutId::StandardsBar, 1002)->isChecked());
        QVERIFY(next.allStandardsSearch()->searchesAllStandards());
        QCOMPARE(at<QComboBox>(next, LayoutId::MaterialBox)->currentIndex(), 2);
        QCOMPARE(at<QLineEdit>(next, LayoutId::DensityField)->text(),
                 QString::fromStdString(materialTable()[2].second));
        QCOMPARE(at<QSlider>(next, LayoutId::TransparencySlider)->value(), 120);
        QCOMPARE(next.windowOpacity(), 220 / 255.0);
        QVERIFY(at<QAbstractButton>(next, LayoutId::KeepOnTopButton)->isChecked());
        QVERIFY(next.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(next.geometry(), placed);
        for (LayoutId id : {LayoutId::BarTakeOff, LayoutId::WeldTakeOff}) {
            auto* takeOff = at<TakeOffPanel>(next, id);
            QCOMPARE(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)->text(),
                     QStringLiteral("12.5"));
            QCOMPARE(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField)->text(),
                     QStringLiteral("4"));
        }
    }

    // What the fields cannot read is not kept: the next start has them empty.
    void aRefusedTakeOffIsNotKept_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("count");
        QTest::newRow("decimal comma") << "1,5"
                                       << "4";
        QTest::newRow("fractional count") << "12"
                                          << "2.5";
        QTest::newRow("negative") << "-3"
                                  << "-1";
    }
    void aRefusedTakeOffIsNotKept() {
        QFETCH(QString, length);
        QFETCH(QString, count);
        const QString path = dir.filePath(QStringLiteral("takeoff.ini"));
        QFile::remove(path);
        {
            MainWindow first(queries);
            auto* takeOff = at<TakeOffPanel>(first, LayoutId::BarTakeOff);
            takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)->setText(length);
            takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField)->setText(count);
            QSettings settings(path, QSettings::IniFormat);
            first.saveState(settings);
        }
        QSettings settings(path, QSettings::IniFormat);
        MainWindow next(queries);
        next.restoreState(settings);
        auto* takeOff = at<TakeOffPanel>(next, LayoutId::BarTakeOff);
        const auto* lengthField = takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField);
        const auto* countField = takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField);
        QCOMPARE(lengthField->text().isEmpty(), length != QStringLiteral("12"));
        QCOMPARE(countField->text().isEmpty(), count != QStringLiteral("4"));
    }

    void damagedSettingsGiveTheFirstStart_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("standard of another family")
            << QByteArray("[browser]\nfamily=19\nstandard=1\n");
        QTest::newRow("weld family") << QByteArray("[browser]\nfamily=1\nstandard=79\n");
        QTest::newRow("family no longer there")
            << QByteArray("[browser]\nfamily=77\nstandard=790\n");
        QTest::newRow("off every screen")
            << QByteArray("[window]\nx=60000\ny=60000\nwidth=1000\nheight=700\nmaximized=true\n");
        QTest::newRow("garbage everywhere")
            << QByteArray("[window]\nx=@Rect(1 2 3 4)\ny=\xff\nopacity=1e2\nkeepOnTop=2\n"
                          "[browser]\nfamily=19;drop\nstandard=\nsearchScope=\x01\n"
                          "[weld]\nmaterial=\"\"\n");
        QTest::newRow("take-off garbage")
            << QByteArray("[takeOff]\nlength=\"1,5\"\ncount=@Variant(\\0\\0\\0\\x7f)\n");
        QTest::newRow("take-off absurd") << QByteArray("[takeOff]\nlength=1e300\ncount=0\n");
        static const char png[] = "\x89PNG\r\n\x1a\n\x00\x00";
        QTest::newRow("not a settings file") << QByteArray(png, sizeof png - 1);
    }
    void damagedSettingsGiveTheFirstStart() {
        QFETCH(QByteArray, file);
        const QString path = dir.filePath(QStringLiteral("damaged.ini"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(file);
        out.close();
        QSettings settings(path, QSettings::IniFormat);
        MainWindow window(queries);
        const QRect before = window.geometry();
        window.restoreState(settings);
        QCOMPARE(window.geometry(), before);
        QVERIFY(!(window.windowState() & Qt::WindowMaximized));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.barPage()->currentStandardId(), 79);
        QVERIFY(button(window, LayoutId::BarFamilyBar, 19)->isChecked());
        QVERIFY(!window.allStandardsSearch()->searchesAllStandards());
        QCOMPARE(at<QComboBox>(window, LayoutId::MaterialBox)->currentIndex(), -1);
        QCOMPARE(at<QSlider>(window, LayoutId::TransparencySlider)->value(), 100);
        QCOMPARE(window.windowOpacity(), 1.0);
        QVERIFY(!at<QAbstractButton>(window, LayoutId::KeepOnTopButton)->isChecked());
        for (LayoutId id : {LayoutId::BarTakeOff, LayoutId::WeldTakeOff}) {
            auto* takeOff = at<TakeOffPanel>(window, id);
            QVERIFY(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)->text().isEmpty());
            QVERIFY(takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField)->text().isEmpty());
        }
        // Reading damaged settings does not rewrite them.
        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), file);
    }

    void aWindowWithoutSettingsWritesNone() {
        {
            MainWindow window(queries);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            at<QSlider>(window, LayoutId::TransparencySlider)->setValue(10);
            window.close();
        }
        QCoreApplication::processEvents();
        QVERIFY(!QDir(dir.filePath(QStringLiteral("config"))).exists());
        QVERIFY(!QDir(dir.filePath(QStringLiteral("home"))).exists());
    }
};

QTEST_MAIN(TestWindowState)
#include "tst_window_state.moc"
