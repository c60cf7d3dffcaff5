#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QStringList>

#include <optional>

struct StartOptions
{
    bool demo = false; // start with the demonstration instrument and show its first block
};

// The program's own options: --help, --version and, on Unix, --demo. Returns the
// exit code when the run ends here: 0 after the help or the version (standard
// output), 1 after the parser's complaint and the usage (standard error).
//
// Read it twice: first with applicationReady false, before the application
// object, so that --help and --version answer without a display; that reading
// decides only when every argument is one of ours, since anything else may be
// one of the toolkit's own options (-platform, -style). Then with the
// application object's arguments, from which it has taken those out.
std::optional<int> read_command_line(const QStringList &arguments, bool applicationReady,
                                   StartOptions *options);

QStringList command_line_arguments(int argc, char *argv[]);

#endif // COMMANDLINE_H
