#pragma once

#include <QCommandLineParser>
#include <QTextStream>
#include <optional>
#include <span>

#include "cli/CliSupport.h"

// rusk-cli's commands as one table: the overview, each command's help and the dispatch come from
// its rows. To add a command: its row in Commands.cpp and its run function, which parses its
// line with CommandLine.

// What a command reads its data from besides its own arguments: nothing (the fleet file names
// its devices), a data set (a data file, a journal snapshot or a device), or a device.
enum class Needs { Nothing, DataSet, Device };

struct CliCommand {
    const char* name;
    const char* arguments;    // after the name, on the overview's line and the help's usage
    const char* summary;      // the overview's line
    const char* description;  // the command's --help, before the exit codes
    Needs needs;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

std::span<const CliCommand> Commands();
const CliCommand* CommandNamed(const QString& name);
// "Usage: rusk-cli COMMAND [options]", a line per command, how DEVICE is named.
QString OverviewText();

// One command's line, parsed as every command parses it: the command's name first (so that the
// usage line shows it), the options of the devices it reads (--ini, --line, --timeout, --quiet,
// --model) and, for a device command, its DEVICE argument. The command adds its own options and
// arguments to `parser()`, then calls parse().
class CommandLine {
  public:
    explicit CommandLine(const char* name);
    QCommandLineParser& parser() { return p_; }
    const QCommandLineParser& parser() const { return p_; }
    // Parses `arguments` (--help added, the exit codes under the description). For a command
    // that reads data, the device options go into `options`, the argument at `positional` taken
    // as its device or source. The exit code when the command is done (its help printed, a
    // usage error told), none when it should run.
    std::optional<int> parse(const QStringList& arguments, QTextStream& out, QTextStream& err,
                             DeviceOptions* options = nullptr,
                             Positional positional = Positional::Device);

  private:
    const CliCommand& command_;
    QCommandLineParser p_;
};
