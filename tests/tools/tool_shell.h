// Runs the built tool as a user does, through the POSIX shell, in a folder of
// this test process's own (beside its component library): its arguments, its
// files, its standard streams and its exit status.
#pragma once

#include "command_run.h"
#include "process_library.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace gjbz108a::cli::test {

// `command` runs in the run folder with TOOL standing for the built tool; its
// streams are captured unless it sends them elsewhere itself.
inline CommandRun shell(std::string command) {
    for (std::size_t at; (at = command.find("TOOL")) != std::string::npos;)
        command.replace(at, 4, std::string("'") + GJBZ108A_TOOL + "'");
    const std::filesystem::path out = run_folder() / "out.txt", err = run_folder() / "err.txt";
    const std::string full = "cd '" + run_folder().string() + "' && { " + command + "; } >out.txt 2>err.txt";
    const int raw = std::system(full.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out), read_file(err)};
}

}  // namespace gjbz108a::cli::test
