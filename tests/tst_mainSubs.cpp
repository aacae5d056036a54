// The reference tables: the 32 crystal classes, the 20 practice models, and
// how initTables fills them and the model list.

#include "Fixtures.h"

#include "reference/mainSubs.h"
#include "toolkit/EntryList.h"
#include "toolkit/Failure.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"

#include <QListWidget>
#include <QSet>
#include <QTest>

namespace {

// A model list that records what was done to it.
class RecordingList : public toolkit::EntryList {
public:
    void clear() override
    {
        entries.clear();
        calls << QStringLiteral("clear");
    }
    void append(const QString &entry) override
    {
        entries << entry;
        calls << QStringLiteral("append ") + entry;
    }

    QStringList entries;
    QStringList calls;
};

} // namespace

class tst_mainSubs : public QObject {
    Q_OBJECT

private slots:
    void emptyBeforeInitTables();
    void classInvariants();
    void systemRuns_data();
    void systemRuns();
    void models_data();
    void models();
    void fillsTheListInOrder();
    void fillsARealListBox();
    void readsOutOfBoundsFail_data();
    void readsOutOfBoundsFail();

private:
    mainSubs filled()
    {
        mainSubs subs;
        RecordingList list;
        subs.initTables(list);
        return subs;
    }
};

void tst_mainSubs::emptyBeforeInitTables()
{
    const mainSubs subs;
    for (int n = 1; n <= 32; ++n) {
        QCOMPARE(subs.classPattern(n), QString());
        QCOMPARE(subs.classSystem(n), QString());
    }
    for (int m = 1; m <= 20; ++m) {
        QCOMPARE(subs.modelName(m), QString());
        QCOMPARE(subs.modelAnswer(m), QString());
    }
    QCOMPARE(subs.selectedModel, 0);
}

void tst_mainSubs::classInvariants()
{
    const mainSubs subs = filled();
    const QString allowedDigits = QStringLiteral("012346");
    QSet<QString> patterns;
    for (int n = 1; n <= 32; ++n) {
        const QString pattern = subs.classPattern(n);
        const QByteArray where = QByteArray("class ") + QByteArray::number(n) + ": " + pattern.toUtf8();
        QVERIFY2(pattern.size() == 16, where);
        for (QChar digit : pattern)
            QVERIFY2(allowedDigits.contains(digit), where);
        QVERIFY2(pattern != QString(16, u'0'), where);
        QVERIFY2(!patterns.contains(pattern), where);
        patterns.insert(pattern);

        const QString system = subs.classSystem(n);
        QVERIFY2(system.size() == 2, where);
        if (n > 1)
            QVERIFY2(subs.classSystem(n - 1) <= system, where);
    }
    QCOMPARE(patterns.size(), 32);
}

void tst_mainSubs::systemRuns_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QTest::newRow("01") << "01" << 1 << 2;
    QTest::newRow("02") << "02" << 3 << 5;
    QTest::newRow("03") << "03" << 6 << 8;
    QTest::newRow("04") << "04" << 9 << 15;
    QTest::newRow("05") << "05" << 16 << 20;
    QTest::newRow("06") << "06" << 21 << 27;
    QTest::newRow("07") << "07" << 28 << 32;
}

void tst_mainSubs::systemRuns()
{
    QFETCH(QString, system);
    QFETCH(int, first);
    QFETCH(int, last);

    const mainSubs subs = filled();
    for (int n = 1; n <= 32; ++n) {
        const bool inRun = n >= first && n <= last;
        QVERIFY2((subs.classSystem(n) == system) == inRun, qPrintable(QStringLiteral("class %1").arg(n)));
    }
}

void tst_mainSubs::models_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("answer");

    for (int m = 1; m <= 20; ++m) {
        QString answer(17, u'0');
        if (m == 1)
            answer = QStringLiteral("0106000000001016");
        else if (m == 2 || m == 3)
            answer = QStringLiteral("0106400003000036");
        else if (m == 17)
            answer = QStringLiteral("0104000001000014");
        const QString caption = QStringLiteral("Ξύλινο μοντέλο %1").arg(fixtures::twoDigits(m));
        QTest::newRow(qPrintable(QStringLiteral("model %1").arg(m))) << m << caption << answer;
    }
}

void tst_mainSubs::models()
{
    QFETCH(int, model);
    QFETCH(QString, caption);
    QFETCH(QString, answer);

    const mainSubs subs = filled();
    QCOMPARE(subs.modelName(model), caption);
    QCOMPARE(subs.modelName(model).size(), 17);
    QCOMPARE(subs.modelAnswer(model), answer);
}

void tst_mainSubs::fillsTheListInOrder()
{
    mainSubs subs;
    subs.selectedModel = 5;
    RecordingList list;
    list.append(QStringLiteral("left from before"));
    list.calls.clear();

    subs.initTables(list);

    QCOMPARE(list.calls.size(), 21);
    QCOMPARE(list.calls.front(), QStringLiteral("clear"));
    QCOMPARE(list.entries.size(), 20);
    for (int p = 0; p < 20; ++p)
        QCOMPARE(list.entries[p], subs.modelName(p + 1));
    QCOMPARE(subs.selectedModel, 0);
}

void tst_mainSubs::fillsARealListBox()
{
    toolkit::Form form(QStringLiteral("list"), 3000, 6000);
    toolkit::ListBox lstModel(form, {0, 0, 2415, 6300}, std::nullopt, 0);
    lstModel.append(QStringLiteral("left from before"));
    auto *list = static_cast<QListWidget *>(lstModel.widget());
    list->setCurrentRow(0);
    QCOMPARE(lstModel.currentEntry(), 0);

    mainSubs subs;
    subs.selectedModel = 5;
    subs.initTables(lstModel);

    QCOMPARE(lstModel.count(), 20);
    for (int p = 0; p < 20; ++p)
        QCOMPARE(lstModel.entry(p), QStringLiteral("Ξύλινο μοντέλο %1").arg(fixtures::twoDigits(p + 1)));
    QCOMPARE(lstModel.currentEntry(), -1);
    QCOMPARE(subs.selectedModel, 0);
}

void tst_mainSubs::readsOutOfBoundsFail_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");

    QTest::newRow("classPattern 0") << "classPattern" << 0;
    QTest::newRow("classPattern 33") << "classPattern" << 33;
    QTest::newRow("classSystem 0") << "classSystem" << 0;
    QTest::newRow("classSystem 33") << "classSystem" << 33;
    QTest::newRow("modelName 0") << "modelName" << 0;
    QTest::newRow("modelName 21") << "modelName" << 21;
    QTest::newRow("modelAnswer 21") << "modelAnswer" << 21;
    QTest::newRow("modelAnswer -1") << "modelAnswer" << -1;
}

void tst_mainSubs::readsOutOfBoundsFail()
{
    QFETCH(QString, table);
    QFETCH(int, row);

    const mainSubs subs = filled();
    const FixedTable<32> *classes = table == u"classPattern" ? &subs.classPattern
                                    : table == u"classSystem" ? &subs.classSystem
                                                              : nullptr;
    const FixedTable<20> *models = table == u"modelName" ? &subs.modelName : &subs.modelAnswer;
    try {
        const QString text = classes ? (*classes)(row) : (*models)(row);
        QFAIL(qPrintable(QStringLiteral("read «%1»").arg(text)));
    } catch (const toolkit::Failure &failure) {
        QVERIFY(!failure.description().isEmpty());
    }
}

QTEST_MAIN(tst_mainSubs)
#include "tst_mainSubs.moc"
