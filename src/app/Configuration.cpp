#include "app/Configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>
#include <limits>

#include "platform/FileRules.h"
#include "platform/IniFile.h"
#include "texts/Language.h"

namespace {

const QString kFileName = QStringLiteral("Rusk.INI");
const QString kCommPort = QStringLiteral("CommPort");
const QString kSettings = QStringLiteral("Settings");
const QString kPathSection = QStringLiteral("Path");
const QString kPath1 = QStringLiteral("Path1");
const QString kDevices = QStringLiteral("Devices");

QString NulsAsBlanks(QString text) {
    text.replace(QChar(0), u' ');
    return text;
}

QString WithoutTrailingBlanks(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

int PositionIn(const QStringList& items, const QString& text) {
    return static_cast<int>(items.indexOf(text.trimmed()));
}

}  // namespace

QString ConfigFilePathIn(const QString& programFolder, const QString& userFolder) {
    if (userFolder.isEmpty() || MaySaveIn(programFolder))
        return QDir(programFolder).filePath(kFileName);
    QDir().mkpath(userFolder);
    return QDir(userFolder).filePath(kFileName);
}

QString ConfigFilePath() {
    return ConfigFilePathIn(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString PortSection(int link) {
    return link == 2 ? QStringLiteral("RS232C2") : QStringLiteral("RS232C1");
}
int DefaultPortNumber(int link) {
    return link == 2 ? 2 : 1;
}
QString DefaultPortSettings() {
    return kDefaultLineSettings;
}
QString DefaultDataFilePath() {
    return QDir::homePath();
}

QString StartFolderFor(const QString& programFolder) {
    if (MaySaveIn(programFolder)) return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return MaySaveIn(documents) ? documents : QDir::homePath();
}

std::optional<int> ParsePortNumber(const QString& text) {
    bool ok = false;
    const double number = NulsAsBlanks(text).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    const double whole = std::trunc(number);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(whole);
}

int ReadPortNumber(const QString& iniPath, int link) {
    const int fallback = DefaultPortNumber(link);
    const QString text =
        ReadProfileString(iniPath, PortSection(link), kCommPort, QString::number(fallback));
    return ParsePortNumber(text).value_or(fallback);
}

QString ReadPortSettings(const QString& iniPath, int link) {
    return WithoutTrailingBlanks(NulsAsBlanks(
        ReadProfileString(iniPath, PortSection(link), kSettings, DefaultPortSettings())));
}

PortEntry ReadPortEntry(const QString& iniPath, int link) {
    return {ReadPortNumber(iniPath, link), ReadPortSettings(iniPath, link)};
}

QString ReadDataFilePath(const QString& iniPath) {
    return NulsAsBlanks(ReadProfileString(iniPath, kPathSection, kPath1, DefaultDataFilePath()))
        .trimmed();
}

QString CommPortText(int portNumber) {
    return portNumber < 0 ? QString::number(portNumber) : u' ' + QString::number(portNumber);
}

void WritePortEntry(const QString& iniPath, int link, const PortEntry& entry) {
    WriteProfileString(iniPath, PortSection(link), kCommPort, CommPortText(entry.portNumber));
    WriteProfileString(iniPath, PortSection(link), kSettings, entry.settings);
}

void WriteDataFilePath(const QString& iniPath, const QString& path) {
    WriteProfileString(iniPath, kPathSection, kPath1, path);
}

void PrepareConfigFile(const QString& iniPath, const QString& programFolder,
                       const PortEntry& link1Initial, const PortEntry& link2Initial) {
    if (!QFileInfo::exists(iniPath)) {
        WritePortEntry(iniPath, 1, link1Initial);
        WritePortEntry(iniPath, 2, link2Initial);
    }
    WriteDataFilePath(iniPath, QDir::toNativeSeparators(StartFolderFor(programFolder)));
}

PortPanelPositions PortPanelPositionsOf(int portNumber, const QString& settings) {
    static const QStringList bauds = PortListItems(1);
    static const QStringList dataBits = PortListItems(3);
    static const QStringList stopBits = PortListItems(4);
    PortPanelPositions at;
    if (portNumber >= 1 && portNumber <= kListedPorts) at.port = portNumber - 1;
    // Baud rate, parity, data bits, and everything after the third comma as stop bits.
    const QStringList parts = NulsAsBlanks(settings).split(u',');
    at.baud = PositionIn(bauds, parts[0]);
    if (parts.size() > 1) {
        const QString parity = parts[1].trimmed().toLower();
        if (!parity.isEmpty())
            at.parity = static_cast<int>(QStringLiteral("eon").indexOf(parity[0]));
    }
    if (parts.size() > 2) at.dataBits = PositionIn(dataBits, parts[2]);
    if (parts.size() > 3) at.stopBits = PositionIn(stopBits, parts.mid(3).join(u','));
    return at;
}

namespace {

QString DeviceKey(int portNumber) {
    return QStringLiteral("Com%1").arg(portNumber);
}

QString ConfiguredDeviceOf(const QString& iniPath, int portNumber) {
    // Device paths may be long: read them through a wider buffer than the start-up values.
    return NulsAsBlanks(
               ReadProfileString(iniPath, kDevices, DeviceKey(portNumber), QString(), 4096))
        .trimmed();
}

}  // namespace

PortResolver DevicesResolver(const QString& iniPath) {
    return [iniPath](int portNumber) {
        const QString device = ConfiguredDeviceOf(iniPath, portNumber);
        return device.isEmpty() ? DefaultDeviceOf(portNumber) : device;
    };
}

QStringList ConfiguredDevices(const QString& iniPath) {
    QStringList devices;
    for (int n = 1; n <= kListedPorts; ++n) {
        const QString device = ConfiguredDeviceOf(iniPath, n);
        if (!device.isEmpty() && !devices.contains(device)) devices << device;
    }
    return devices;
}

void WriteDeviceOf(const QString& iniPath, int portNumber, const QString& device) {
    WriteProfileString(iniPath, kDevices, DeviceKey(portNumber), device);
}

namespace {

const QString kLanguageOption = QStringLiteral("--lang");

// The code given with --lang, empty when none.
QString LanguageArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == kLanguageOption) return arguments.value(i + 1);
        if (arguments[i].startsWith(kLanguageOption + u'='))
            return arguments[i].mid(kLanguageOption.size() + 1);
    }
    return {};
}

}  // namespace

QString ChosenLanguage(const QStringList& arguments, const QString& iniPath) {
    for (const QString& code :
         {LanguageArgument(arguments), qEnvironmentVariable("RUSK_LANG"),
          iniPath.isEmpty() ? QString()
                            : ReadProfileString(iniPath, QStringLiteral("Options"),
                                                QStringLiteral("Language"), QString(), 99)
                                  .trimmed()})
        if (texts::IsLanguage(code)) return code;
    return texts::kJapanese;
}

void WriteLanguage(const QString& iniPath, const QString& code) {
    WriteProfileString(iniPath, QStringLiteral("Options"), QStringLiteral("Language"), code);
}

QStringList WithoutLanguage(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i > 0 && arguments[i] == kLanguageOption) {
            ++i;
            continue;
        }
        if (i > 0 && arguments[i].startsWith(kLanguageOption + u'=')) continue;
        rest << arguments[i];
    }
    return rest;
}
