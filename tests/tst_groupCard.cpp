#include <QTest>
class tst_groupCard : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_groupCard)
#include "tst_groupCard.moc"
