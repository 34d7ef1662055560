#pragma once

// The exit codes of rusk-cli, as its help lists them.
namespace exitcode {
constexpr int kOk = 0;
constexpr int kNoOrDifferent = 1;   // probe: no answer; diff, dry run, check: the data differ
constexpr int kUsage = 2;           // the command line is wrong
constexpr int kTimeout = 3;         // the indicator fell silent during a read or write
constexpr int kPort = 4;            // the port could not be opened or failed
constexpr int kVerifyMismatch = 5;  // write --verify: the indicator does not hold what was sent
constexpr int kFile = 6;            // a data file could not be read or written
constexpr int kFleetFailed = 7;     // fleet: at least one indicator failed
constexpr int kIncomplete = 8;      // a read did not get every value whole: nothing saved
constexpr int kJournal = 9;         // the journal could not keep a run (the operation went well)
constexpr int kInterrupted = 130;   // Ctrl+C: stopped after the record under way
constexpr int kOutputClosed = 141;  // live: the output's reader went away (as after SIGPIPE)
}  // namespace exitcode

// The text of the exit codes for the help of every subcommand.
inline const char* const kExitCodesHelp =
    "Exit codes:\n"
    "  0  ok\n"
    "  1  probe: no answer; diff, write --dry-run, fleet check: the data differ\n"
    "  2  usage error\n"
    "  3  time-out: the indicator stopped answering during a read or write\n"
    "  4  port error\n"
    "  5  write --verify: the indicator refused values\n"
    "  6  file error\n"
    "  7  fleet: at least one indicator failed (the summary says which)\n"
    "  8  read, diff, write --dry-run or --verify: values did not come back whole (named; nothing\n"
    "     saved)\n"
    "  9  the journal could not keep a run; the operation itself went well\n"
    "  130  stopped by Ctrl+C after the record under way\n"
    "  141  live: the output was closed (the reader of the pipe ended)\n";
