#include "tools/help/help_command.h"

#include "records/suggestions.h"
#include "tools/help/help_texts.h"

#include <string>
#include <vector>

namespace gjbz108a::cli {

int help_command(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        print_help(out, "help");
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--list") {
        for (const HelpTopic& topic : help_topics())
            if (!topic.command.empty()) out << topic.command << '\n';
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--all") {
        for (const HelpTopic& topic : help_topics()) {
            if (!topic.command.empty()) out << '\n';
            out << "gjbz108a" << (topic.command.empty() ? "" : " ") << topic.command << "\n\n" << topic.text;
        }
        return 0;
    }
    std::string command;
    for (const std::string_view word : arguments) command.append(command.empty() ? "" : " ").append(word);
    if (help_topic(command) == nullptr) {
        std::string why = "gjbz108a help: no command '" + command + "'";
        std::vector<std::string_view> commands;
        for (const HelpTopic& topic : help_topics()) commands.push_back(topic.command);
        append_did_you_mean(why, likely_meant(command, commands));
        err << why << "\nTry 'gjbz108a help --list'.\n";
        return 2;
    }
    print_help(out, command);
    return 0;
}

}  // namespace gjbz108a::cli
