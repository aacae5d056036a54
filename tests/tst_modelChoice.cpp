#include <QTest>
class tst_modelChoice : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_modelChoice)
#include "tst_modelChoice.moc"
