#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "link/PortSettings.h"
#include "platform/SerialPort.h"

// The configuration file "Rusk.INI": the serial settings of the two links (sections "RS232C1"
// and "RS232C2", keys "CommPort" and "Settings"), the data file last chosen ("Path" "Path1")
// and the devices that port numbers name ("Devices", keys "Com1" … "Com8").

// "Rusk.INI" in the folder that holds the program, or, when files may not be saved there (a
// folder that cannot be written, or the system's, as an installed copy's /usr/bin is even for
// the superuser), in the per-user configuration folder, which is created. Needs the
// application object.
QString ConfigFilePath();
// The same rule for given folders.
QString ConfigFilePathIn(const QString& programFolder, const QString& userFolder);

// Link 1 or 2.
QString PortSection(int link);    // "RS232C1", "RS232C2"
int DefaultPortNumber(int link);  // 1, 2
QString DefaultPortSettings();    // "19200,o,7,1"
QString DefaultDataFilePath();    // the home folder, when "Path1" is missing
// The folder start-up writes to "Path1": the program folder where files may be saved there,
// else the user's documents folder, else the home folder.
QString StartFolderFor(const QString& programFolder);

// Reading, as start-up does: NULs count as blanks; blanks around a port number are ignored and
// so are trailing blanks of the settings and blanks around the path. At most 99 characters of
// a value are seen.
std::optional<int> ParsePortNumber(const QString& text);  // " 1" → 1, "3.9" → 3, "x" → none
int ReadPortNumber(const QString& iniPath, int link);     // not a number → the link's default
QString ReadPortSettings(const QString& iniPath, int link);
PortEntry ReadPortEntry(const QString& iniPath, int link);
QString ReadDataFilePath(const QString& iniPath);

// Writing. A port number is written with the blank of its sign position: port 1 as " 1".
QString CommPortText(int portNumber);
void WritePortEntry(const QString& iniPath, int link, const PortEntry& entry);
void WriteDataFilePath(const QString& iniPath, const QString& path);

// Start-up's share of the file: a missing file receives both links' initial entries; "Path1"
// receives StartFolderFor(programFolder) every time.
void PrepareConfigFile(const QString& iniPath, const QString& programFolder,
                       const PortEntry& link1Initial, const PortEntry& link2Initial);

// The operator's language: `--lang CODE` among `arguments` (the program's name first), else the
// environment's RUSK_LANG, else "Language" in section "Options" of the file, else Japanese. A
// code the program does not speak counts as none given.
QString ChosenLanguage(const QStringList& arguments, const QString& iniPath);
// Keeps the operator's choice in the file.
void WriteLanguage(const QString& iniPath, const QString& code);
// `arguments` without `--lang CODE` (and `--lang=CODE`).
QStringList WithoutLanguage(const QStringList& arguments);

// The list positions of a port panel (PortListItems) for a port number and settings text; the
// parity by its letter in either case. -1 for a part no entry matches. The terminator list has
// the one entry "CR+LF", always position 0.
struct PortPanelPositions {
    int port = -1;
    int baud = -1;
    int parity = -1;
    int dataBits = -1;
    int stopBits = -1;
};
PortPanelPositions PortPanelPositionsOf(int portNumber, const QString& settings);

// Port number → device from section "Devices" ("Com1=/dev/ttyUSB0"), read when asked;
// without an entry DefaultDeviceOf.
PortResolver DevicesResolver(const QString& iniPath);
// The devices section "Devices" names for Com1 … Com8, each once, in port order.
QStringList ConfiguredDevices(const QString& iniPath);
// Binds a port number to a device: "Devices" "Com<n>" := device.
void WriteDeviceOf(const QString& iniPath, int portNumber, const QString& device);
