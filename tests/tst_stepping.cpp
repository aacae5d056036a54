#include <QTest>
class tst_stepping : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_stepping)
#include "tst_stepping.moc"
