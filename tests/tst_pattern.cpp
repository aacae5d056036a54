#include <QTest>
class tst_pattern : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_pattern)
#include "tst_pattern.moc"
