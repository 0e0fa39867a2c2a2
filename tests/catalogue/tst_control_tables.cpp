#include <QTest>
class Tst : public QObject {
    Q_OBJECT
};
QTEST_APPLESS_MAIN(Tst)
#include "tst_control_tables.moc"
