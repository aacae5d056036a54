#include <QTest>
class tst_answerCheck : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_answerCheck)
#include "tst_answerCheck.moc"
