// The program's answers to its command line: --help and --version are answered on the terminal
// before anything else starts, so that they need no window and no display.
#pragma once

#include <string>
#include <vector>

// What the program does with its arguments.
struct CommandLineAnswer
{
    bool start;      // true: no arguments, start the program; the rest is then empty
    int status;      // the exit status when not started: 0 for an answer, 2 for a bad argument
    std::string out; // text for standard output
    std::string err; // text for standard error
};

// The answer to the arguments `args` (without the program's name): -h or --help gives the
// usage text, -V or --version "velmoria <version>" (`version` as the program's version block
// holds it; "unknown" when empty); the first of them decides. Any other argument is told on
// standard error with a pointer to --help, status 2.
CommandLineAnswer AnswerCommandLine(const std::vector<std::string>& args,
                                    const std::string& version);
