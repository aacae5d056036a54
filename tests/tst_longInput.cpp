// Long input: a count box or the result box holding 100,000 characters, set
// or pasted, is kept whole; every rebuild of the pattern and every double
// click on it gives the right result, and nothing is cut off. How long they
// take is measured in bench/ (docs/performance.md).

#include "Running.h"

using fixtures::ShownMessage;

namespace {

constexpr int longLength = 100'000;

// The texts a row can fill a box with, each longLength characters.
QString longText(const QString &kind)
{
    if (kind == u"digits")
        return QString(longLength, u'1');
    if (kind == u"Greek")
        return QStringLiteral("Ωμέγα ").repeated(longLength / 6).leftJustified(longLength, u'λ');
    if (kind == u"blanks around a count")
        return QString(longLength / 2, u' ') + u'3' + QString(longLength / 2 - 1, u' ');
    if (kind == u"zeros before a count")
        return QString(longLength - 1, u'0') + u'3';
    if (kind == u"long fraction")
        return QStringLiteral("0.") + QString(longLength - 2, u'9');
    return {};
}

} // namespace

class tst_longInput : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void longCountIsKeptAndRebuilds_data();
    void longCountIsKeptAndRebuilds();
    void doubleClickOnALongCount_data();
    void doubleClickOnALongCount();
    void longResultIsReplaced();

private:
    // The pattern that the count boxes make now.
    QString pattern() { return fixtures::patternOf(program->counts()); }
    // Replaces the text of box with the clipboard's, with the learner's keys.
    static void paste(QWidget *box, const QString &text);
};

void tst_longInput::paste(QWidget *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    fixtures::paste(box, text);
}

void tst_longInput::longCountIsKeptAndRebuilds_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pasted");

    QTest::newRow("digits set into box 0") << 0 << "digits" << false;
    QTest::newRow("digits pasted into box 15") << 15 << "digits" << true;
    QTest::newRow("Greek pasted into box 7") << 7 << "Greek" << true;
    QTest::newRow("blanks around a count set into box 3") << 3 << "blanks around a count" << false;
}

void tst_longInput::longCountIsKeptAndRebuilds()
{
    QFETCH(int, k);
    QFETCH(QString, kind);
    QFETCH(bool, pasted);

    const QString text = longText(kind);
    QCOMPARE(text.size(), longLength);
    frmMain &w = program->main();
    QWidget *box = w.txtSymetryElements[k].widget();

    if (pasted)
        paste(box, text);
    else
        w.txtSymetryElements[k].setText(text);
    QCOMPARE(w.txtSymetryElements[k].text().size(), longLength);
    QCOMPARE(w.txtSymetryElements[k].text(), text);
    QCOMPARE(w.txtResult.text(), pattern());

    // Every further change rebuilds from the long box too.
    toolkit::TextBox &other = w.txtSymetryElements[(k + 1) % 16];
    QTest::keyClick(other.widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(other.widget(), QStringLiteral("5"));
    QCOMPARE(other.text(), QStringLiteral("5"));
    QCOMPARE(w.txtResult.text(), pattern());

    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, QStringLiteral("2"));
    QCOMPARE(w.txtSymetryElements[k].text(), text + u'2');
    QCOMPARE(w.txtResult.text(), pattern());
}

void tst_longInput::doubleClickOnALongCount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("after"); // the box after the double click; empty: unchanged
    QTest::addColumn<QString>("message");

    QTest::newRow("a number beyond a double") << "digits" << "" << "εκτός ορίων";
    QTest::newRow("not a number") << "Greek" << "" << "δεν είναι αριθμός";
    QTest::newRow("zeros before 3 step to 4") << "zeros before a count" << "4" << "";
    QTest::newRow("a long fraction steps past 1") << "long fraction" << "2" << "";
}

void tst_longInput::doubleClickOnALongCount()
{
    QFETCH(QString, kind);
    QFETCH(QString, after);
    QFETCH(QString, message);

    const QString text = longText(kind);
    frmMain &w = program->main();
    w.txtSymetryElements[9].setText(text);

    const QList<ShownMessage> shown = fixtures::closingMessageBoxes([&] { program->doubleClickCount(9); });
    if (message.isEmpty()) {
        QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
        QCOMPARE(w.txtSymetryElements[9].text(), after);
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(message), qPrintable(shown[0].text));
        QVERIFY2(shown[0].text.size() < 200, "the message quotes the whole text");
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(w.txtSymetryElements[9].text(), text);
    }
    QCOMPARE(w.txtResult.text(), pattern());
}

void tst_longInput::longResultIsReplaced()
{
    // The learner may paste into the result box itself; the next change of a
    // count replaces it with the pattern.
    frmMain &w = program->main();
    const QString text = longText(QStringLiteral("Greek"));
    paste(w.txtResult.widget(), text);
    QCOMPARE(w.txtResult.text(), text);
    const QList<ShownMessage> shown =
        fixtures::closingMessageBoxes([&] { QTest::mouseDClick(w.txtResult.widget(), Qt::LeftButton); });
    QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
    QCOMPARE(w.txtResult.text(), text);

    program->doubleClickCount(4);
    QCOMPARE(w.txtResult.text(), QStringLiteral("0000100000000000"));
}

QTEST_MAIN(tst_longInput)
#include "tst_longInput.moc"
