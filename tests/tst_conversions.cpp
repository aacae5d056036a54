#include <QTest>
class tst_conversions : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_conversions)
#include "tst_conversions.moc"
