#include "SimCodes.h"

namespace {

SimCode Plain(const char* code, const char* mask, const char* value) {
    return SimCode{code, mask, value, false};
}

SimCode Zone(const char* code, const char* value) {
    return SimCode{code, "00016", value, true};
}

QList<SimCode> MakeF805() {
    return {
        Plain("20", "00002", "00001"), Plain("21", "00001", "00000"), Plain("22", "99999", "03000"),
        Plain("23", "99999", "00100"), Plain("24", "00004", "00001"), Plain("25", "99999", "00020"),
        Plain("26", "00002", "00001"), Plain("27", "00003", "00000"), Plain("28", "00002", "00001"),
        Plain("29", "00099", "00015"), Plain("2A", "00099", "00010"), Plain("2B", "00999", "00005"),
        Plain("2C", "00002", "00000"), Plain("2D", "00003", "00002"), Plain("2E", "00001", "00001"),
        Plain("2F", "00009", "00004"), Plain("30", "00003", "00002"), Plain("31", "00007", "00003"),
        Plain("32", "00003", "00001"), Plain("33", "00011", "00001"), Plain("34", "00099", "00015"),
        Plain("35", "00099", "00005"), Plain("36", "00099", "00010"), Plain("37", "00099", "00002"),
        Plain("38", "09999", "00050"), Plain("40", "11111", "10100"), Plain("41", "00099", "00003"),
        Plain("42", "00099", "00005"), Plain("43", "00099", "00020"), Plain("44", "00001", "00001"),
        Plain("50", "11111", "01011"), Plain("51", "99999", "00000"), Plain("52", "00001", "00001"),
        Plain("53", "00002", "00000"), Plain("54", "00002", "00000"), Plain("55", "00001", "00001"),
        Plain("60", "99999", "05000"), Plain("61", "99999", "10000"), Plain("62", "00999", "00001"),
        Plain("63", "99999", "10000"), Plain("64", "99999", "10000"), Plain("65", "00003", "00001"),
        Plain("66", "00005", "00000"), Plain("67", "00001", "00000"), Zone("68", "00010"),
        Plain("69", "00001", "00001"), Plain("70", "00005", "00000"), Plain("71", "99999", "00100"),
        Plain("72", "00999", "00100"), Plain("73", "99998", "00000"), Plain("74", "99999", "05000"),
        Plain("80", "99999", "01002"), Plain("81", "99999", "01012"), Plain("82", "99999", "00993"),
        Plain("83", "99999", "00004"), Plain("84", "99999", "00005"), Plain("85", "99999", "00019"),
        Plain("90", "00001", "00000"), Plain("91", "00001", "00000"),
    };
}

QList<SimCode> MakeF800() {
    return {
        Plain("20", "99099", "10015"),
        Plain("21", "00999", "00050"),
        Plain("22", "99999", "03000"),
        Plain("23", "99999", "00100"),
        Plain("24", "99999", "00020"),
        Plain("25", "99999", "00000"),
        Plain("26", "00099", "00010"),
        Plain("27", "00099", "00003"),
        Plain("28", "00099", "00020"),
        Plain("29", "00099", "00005"),
        Plain("30", "11112", "10100"),
        Plain("31", "01224", "01001"),
        Plain("32", "82312", "00001"),
        Plain("33", "03191", "02051"),
        Plain("34", "01111", "01111"),
        Plain("35", "00073", "00021"),
        Plain("36", "99099", "05002"),
        Plain("37", "99099", "10001"),
        Plain("40", "99999", "05000"),
        Plain("41", "99999", "10000"),
        Plain("42", "00999", "00001"),
        // 45 packs display rate (4 choices), decimal point, 1/4 scale and unit: the indicator
        // takes every display rate, so its second digit runs to 3 (the entry mask stops at 1).
        Plain("43", "99999", "10000"),
        Plain("44", "99999", "10000"),
        Plain("45", "03314", "01103"),
        Zone("46", "00010"),
        Plain("50", "99999", "01012"),
        Plain("51", "99999", "00993"),
        Plain("52", "99999", "00019"),
        Plain("53", "99999", "01002"),
        Plain("54", "99999", "00004"),
        Plain("55", "99999", "00005"),
    };
}

}  // namespace

const QList<SimCode>& SettingCodesOf(SimModel model) {
    static const QList<SimCode> f805 = MakeF805();
    static const QList<SimCode> f800 = MakeF800();
    return model == SimModel::F800 ? f800 : f805;
}

QByteArray SimProductMask(int item) {
    static const char* const masks[8] = {"99999", "99999", "99999", "00999",
                                         "00999", "09999", "99999", "00999"};
    return (item >= 0 && item < 8) ? QByteArray(masks[item]) : QByteArray();
}

bool FitsMask(const QByteArray& value, const QByteArray& mask) {
    if (mask.isEmpty() || value.size() != mask.size()) return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c < '0' || c > '9' || c > mask.at(i)) return false;
    }
    return true;
}

bool AcceptsValue(const SimCode& code, const QByteArray& value) {
    if (!FitsMask(value, code.mask)) return false;
    return !code.zoneRule || value.toInt() >= 1;
}

QByteArray FactoryProductValue(int product, int item) {
    // 大投入 and 定量前 are amounts before the target at which the large and medium feeds stop;
    // 過量 and 不足 the tolerances; 落差 the free fall.
    static const int fixed[8] = {200, 50, 0, 10, 10, 5, 20, 15};
    if (item < 0 || item >= 8) return QByteArray();
    const int value = item == 2 ? 1000 + 25 * product : fixed[item] + (item == 5 ? product % 4 : 0);
    return QByteArray::number(value).rightJustified(5, '0');
}
