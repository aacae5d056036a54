#include "reference/mainSubs.h"

#include "toolkit/Conversions.h"
#include "toolkit/EntryList.h"

#include <array>
#include <string_view>

namespace {

// Class n's element pattern is row n - 1: the count of each of the sixteen
// element kinds, kind 0 first.
constexpr std::array<std::u16string_view, 32> classPatterns{
    u"1000000000000000", u"0100000000000000", // 1-2
    u"0010000000000000", u"0000000000001000", u"0101000000000100", // 3-5
    u"0003000000000000", u"0010000000000300", u"0103000000000300", // 6-8
    u"0000010000000000", u"0100100000000000", u"0030001000000000", u"0000010000000003", // 9-12
    u"0103100000000003", u"0000001000000010", u"0000031000000013", // 13-15
    u"0000000000010000", u"0200000000001010", u"0006000000001000", u"0000000000010006", // 16-19
    u"0106000000001016", // 20
    u"0000000010000000", u"0000000100000000", u"0100000001000010", u"0004000001000000", // 21-24
    u"0000000010000004", u"0002000100000002", u"0104000001000014", // 25-27
    u"0003040000000000", u"0103400000000030", u"0006004003000000", u"0000040300000006", // 28-31
    u"0106400003000036", // 32
};

// The crystal system of each class: one unbroken run of classes per system.
constexpr std::array<std::u16string_view, 32> classSystems{
    u"01", u"01",
    u"02", u"02", u"02",
    u"03", u"03", u"03",
    u"04", u"04", u"04", u"04", u"04", u"04", u"04",
    u"05", u"05", u"05", u"05", u"05",
    u"06", u"06", u"06", u"06", u"06", u"06", u"06",
    u"07", u"07", u"07", u"07", u"07",
};

// Only models 1, 2, 3 and 17 have answers of sixteen counts; the others expect
// seventeen zeros, which sixteen one-digit counts never make.
constexpr std::u16string_view seventeenZeros = u"00000000000000000";
constexpr std::array<std::u16string_view, 20> modelAnswers{
    u"0106000000001016", u"0106400003000036", u"0106400003000036", seventeenZeros, // 1-4
    seventeenZeros, seventeenZeros, seventeenZeros, seventeenZeros, // 5-8
    seventeenZeros, seventeenZeros, seventeenZeros, seventeenZeros, // 9-12
    seventeenZeros, seventeenZeros, seventeenZeros, seventeenZeros, // 13-16
    u"0104000001000014", seventeenZeros, seventeenZeros, seventeenZeros, // 17-20
};

} // namespace

void mainSubs::initTables(toolkit::EntryList &lstModel)
{
    selectedModel = 0;
    classPattern.fill(classPatterns);
    classSystem.fill(classSystems);
    modelName.fill([](int n) { return QStringLiteral("Ξύλινο μοντέλο ") + toolkit::format00(n); });
    modelAnswer.fill(modelAnswers);
    lstModel.clear();
    for (int n = 1; n <= 20; ++n)
        lstModel.append(modelName(n));
}
