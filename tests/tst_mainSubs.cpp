#include <QTest>
class tst_mainSubs : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_mainSubs)
#include "tst_mainSubs.moc"
