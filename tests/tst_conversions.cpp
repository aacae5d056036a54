// The number and text conversions that the handlers rely on, and their
// failures.

#include "toolkit/Conversions.h"
#include "toolkit/Failure.h"

#include <QTest>

#include <cstdint>
#include <limits>

namespace {

// Whether the text has a letter of the Greek alphabet, as every description
// for the learner does.
bool hasGreek(const QString &text)
{
    for (QChar c : text)
        if (c >= u'\u0370' && c <= u'\u03FF')
            return true;
    return false;
}

} // namespace

class tst_conversions : public QObject {
    Q_OBJECT

private slots:
    void format00_data();
    void format00();
    void trim_data();
    void trim();
    void numberToText_data();
    void numberToText();
    void textToNumber_data();
    void textToNumber();
    void textToNumberFails_data();
    void textToNumberFails();
    void len_data();
    void len();
    void add16_data();
    void add16();
};

void tst_conversions::format00_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0 << "00";
    QTest::newRow("1") << 1 << "01";
    QTest::newRow("9") << 9 << "09";
    QTest::newRow("10") << 10 << "10";
    QTest::newRow("20") << 20 << "20";
    QTest::newRow("32") << 32 << "32";
    QTest::newRow("100") << 100 << "100";
    QTest::newRow("-1") << -1 << "-01";
    QTest::newRow("-15") << -15 << "-15";
    QTest::newRow("int min") << std::numeric_limits<int>::min() << "-2147483648";
}

void tst_conversions::format00()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(toolkit::format00(number), expected);
}

void tst_conversions::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("spaces both ends") << "  4 " << "4";
    QTest::newRow("inner space kept") << " 1 2 " << "1 2";
    QTest::newRow("leading tab kept") << "\t3" << "\t3";
    QTest::newRow("trailing tab kept") << "3\t " << "3\t";
    QTest::newRow("newline kept") << "\n5 " << "\n5";
    QTest::newRow("only spaces") << "   " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no-break space kept") << QStringLiteral("\u00A07 ") << QStringLiteral("\u00A07");
    QTest::newRow("nothing to remove") << "07" << "07";
}

void tst_conversions::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(toolkit::trim(text), expected);
}

void tst_conversions::numberToText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5") << 5.0 << " 5";
    QTest::newRow("0") << 0.0 << " 0";
    QTest::newRow("3.5") << 3.5 << " 3.5";
    QTest::newRow("-2") << -2.0 << "-2";
    QTest::newRow("-0.5") << -0.5 << "-0.5";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("16") << 16.0 << " 16";
    QTest::newRow("32767") << 32767.0 << " 32767";
    // Never an exponent, which textToNumber would refuse at the next step.
    QTest::newRow("large") << -8.88888888888889e+25 << "-88888888888888904577449984";
    QTest::newRow("small") << 9.99999999995449e-06 << " 0.00000999999999995449";
    QTest::newRow("smallest") << 5e-324 << " 0." + QString(323, u'0') + "5";
}

void tst_conversions::numberToText()
{
    QFETCH(double, number);
    QFETCH(QString, expected);
    QCOMPARE(toolkit::numberToText(number), expected);
    // The text reads back as exactly the same number (QCOMPARE on doubles
    // would let a last-digit difference pass).
    const double back = toolkit::textToNumber(toolkit::trim(expected));
    QVERIFY2(back == number, qPrintable(QString::asprintf("reads back as %.17g", back)));
}

void tst_conversions::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("4") << "4" << 4.0;
    QTest::newRow("0") << "0" << 0.0;
    QTest::newRow("05") << "05" << 5.0;
    QTest::newRow("006") << "006" << 6.0;
    QTest::newRow("-3") << "-3" << -3.0;
    QTest::newRow("2.5") << "2.5" << 2.5;
    QTest::newRow("-0.5") << "-0.5" << -0.5;
    // A fraction without an integer part, or a point without a fraction, is a number.
    QTest::newRow(".5") << ".5" << 0.5;
    QTest::newRow("-.5") << "-.5" << -0.5;
    QTest::newRow("5.") << "5." << 5.0;
    QTest::newRow("32767") << "32767" << 32767.0;
    QTest::newRow("many digits within range") << QString(300, u'9') << 1e300;
}

void tst_conversions::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(toolkit::textToNumber(text), expected);
}

void tst_conversions::textToNumberFails_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("point alone") << ".";
    QTest::newRow("minus point") << "-.";
    QTest::newRow("digit then letter") << "4a";
    QTest::newRow("exponent") << "1e5";
    QTest::newRow("plus sign") << "+3";
    QTest::newRow("leading blank") << " 4";
    QTest::newRow("trailing blank") << "4 ";
    QTest::newRow("decimal comma") << "1,5";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("two minus signs") << "--1";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0664");
    QTest::newRow("400 digits") << QString(400, u'9');
    QTest::newRow("-400 digits") << u'-' + QString(400, u'9');
}

void tst_conversions::textToNumberFails()
{
    QFETCH(QString, text);
    try {
        const double number = toolkit::textToNumber(text);
        QFAIL(qPrintable(QStringLiteral("gave %1").arg(number)));
    } catch (const toolkit::Failure &failure) {
        QVERIFY2(hasGreek(failure.description()), qPrintable(failure.description()));
    }
}

void tst_conversions::len_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two digits") << "12" << 2;
    QTest::newRow("blanks count") << " 5 " << 3;
    QTest::newRow("greek letters") << QStringLiteral("Ξύλινο μοντέλο 01") << 17;
    QTest::newRow("seventeen zeros") << "00000000000000000" << 17;
}

void tst_conversions::len()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(toolkit::len(text), expected);
}

void tst_conversions::add16_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("sum");

    QTest::newRow("32766 + 1") << 32766 << 1 << false << 32767;
    QTest::newRow("-1 + 1") << -1 << 1 << false << 0;
    QTest::newRow("-32767 + -1") << -32767 << -1 << false << -32768;
    QTest::newRow("32767 + -32768") << 32767 << -32768 << false << -1;
    QTest::newRow("32767 + 1") << 32767 << 1 << true << 0;
    QTest::newRow("-32768 + -1") << -32768 << -1 << true << 0;
    QTest::newRow("32767 + 32767") << 32767 << 32767 << true << 0;
}

void tst_conversions::add16()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, overflows);
    QFETCH(int, sum);

    const auto a16 = static_cast<std::int16_t>(a);
    const auto b16 = static_cast<std::int16_t>(b);
    if (overflows) {
        try {
            const int result = toolkit::add16(a16, b16);
            QFAIL(qPrintable(QStringLiteral("gave %1").arg(result)));
        } catch (const toolkit::Failure &failure) {
            QVERIFY2(hasGreek(failure.description()), qPrintable(failure.description()));
        }
        return;
    }
    QCOMPARE(int{toolkit::add16(a16, b16)}, sum);
}

QTEST_MAIN(tst_conversions)
#include "tst_conversions.moc"
