// Runs the built tool as a user does, through the POSIX shell, in a folder of
// this test process's own (beside its component library): its arguments, its
// files, its standard streams and its exit status.
#pragma once

#include "command_run.h"
#include "files.h"
#include "process_library.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace gjbz108a::cli::test {

inline const std::filesystem::path& run_folder() {
    static const std::filesystem::path path = process_library().folder() / "run";
    std::filesystem::create_directories(path);
    return path;
}

inline std::filesystem::path write_in_run_folder(const std::string& name, const std::string& text) {
    const std::filesystem::path path = run_folder() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// `command` runs in the run folder with TOOL standing for the built tool; its
// streams are captured unless it sends them elsewhere itself.
inline CommandRun shell(std::string command) {
    for (std::size_t at; (at = command.find("TOOL")) != std::string::npos;)
        command.replace(at, 4, std::string("'") + GJBZ108A_TOOL + "'");
    const std::filesystem::path out = run_folder() / "out.txt", err = run_folder() / "err.txt";
    const std::string full = "cd '" + run_folder().string() + "' && { " + command + "; } >out.txt 2>err.txt";
    const int raw = std::system(full.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out.string()), read_file(err.string())};
}

}  // namespace gjbz108a::cli::test
