#include <QTest>
class tst_forms : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_MAIN(tst_forms)
#include "tst_forms.moc"
