#include <QTest>
class tst_frmMain : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
