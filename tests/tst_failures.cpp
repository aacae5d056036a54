#include <QTest>
class tst_failures : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_failures)
#include "tst_failures.moc"
