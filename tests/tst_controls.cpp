#include <QTest>
class tst_controls : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_controls)
#include "tst_controls.moc"
