// Qt's own texts in the window's language: after start-up's translation step the standard
// buttons and the file dialog speak Chinese.
#include "shell/application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

class TestQtTranslations : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
        if (!QFile::exists(file))
            QSKIP(qPrintable(QStringLiteral("%1 is missing (Debian package "
                                            "qt6-translations-l10n)")
                                 .arg(file)));
        QVERIFY(installQtTranslations(*QCoreApplication::instance()));
    }

    void standardButtonsAreChinese_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("english");
        QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << "Cancel";
        QTest::newRow("yes, as the replace question asks") << int(QDialogButtonBox::Yes) << "&Yes";
        QTest::newRow("no") << int(QDialogButtonBox::No) << "&No";
        QTest::newRow("save") << int(QDialogButtonBox::Save) << "Save";
    }
    void standardButtonsAreChinese() {
        QFETCH(int, button);
        QFETCH(QString, english);
        const auto which = static_cast<QDialogButtonBox::StandardButton>(button);
        QDialogButtonBox box(which);
        const QString text = box.button(which)->text();
        QVERIFY2(!text.isEmpty() && text != english, qPrintable(text));
        // Some Chinese character, not an English word with another accelerator.
        QVERIFY2(
            std::any_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }),
            qPrintable(text));
    }

    void cancelReadsAsChinese() {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    }

    void fileDialogIsChinese() {
        // Qt's own dialog, as the offscreen platform has no native one.
        QFileDialog dialog(nullptr, QStringLiteral("导出规格表"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(dialog.labelText(QFileDialog::Reject), QStringLiteral("取消"));
        QVERIFY2(dialog.labelText(QFileDialog::LookIn) != QStringLiteral("Look in:"),
                 qPrintable(dialog.labelText(QFileDialog::LookIn)));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qt_translations.moc"
