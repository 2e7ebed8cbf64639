// gjbz108a: predicts the non-operating failure rate of a parts list.
#include "tools/command_line.h"
#include "tools/file_streams.h"
#include "tools/prediction/predict.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

using namespace gjbz108a::cli;

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    hold_open(STDERR_FILENO, O_WRONLY);  // where the messages go, if anywhere
    // Every output is checked when it is closed; what a command could not
    // write makes its status 2, whatever it computed.
    OutputFile standard_output(STDOUT_FILENO, "standard output");
    int status;
    try {
        InputFile standard_input;
        InputStream in(standard_input);
        std::ostream out(&standard_output);
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        status = run_command_line(arguments, in, out, std::cerr, ::isatty(STDERR_FILENO) == 1);
    } catch (const std::exception& error) {
        // The last resort: every expected failure has its own message.
        std::cerr << "gjbz108a: internal error: " << error.what() << '\n';
        status = kListUnusable;
    } catch (...) {
        std::cerr << "gjbz108a: internal error\n";
        status = kListUnusable;
    }
    if (std::string why; !standard_output.close(why)) {
        if (!why.empty()) std::cerr << "gjbz108a: " << why << '\n';
        status = kListUnusable;
    }
    return status;
}
