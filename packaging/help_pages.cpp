// Writes the man page and the bash completion of gjbz108a from the tool's own
// help texts, so that both follow whatever the help says:
//
//   help_pages TOOL VERSION MAN_PAGE COMPLETION
//
// The commands are those that the usage lines of `TOOL --help` name
// ("gjbz108a change ..."), and a command's subcommands are the alternatives
// written after it ("gjbz108a lib show|search|..."). Each command's own text is
// `TOOL COMMAND --help`; a command whose text is the main one (report) is
// described there. The options are every "-x" and "--name" that a text
// mentions; an option's values are the alternatives written after it
// ("--format text|csv|json"). Exit status 0 when both files were written.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct Command {
    std::string name;
    std::vector<std::string> subcommands;
    std::string help;  // empty when the main text describes it
};

// The standard output of `tool arguments`, which must exit with 0.
std::string run(const std::string& tool, const std::string& arguments) {
    const std::string line = "'" + tool + "' " + arguments;
    FILE* pipe = ::popen(line.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + line);
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(line + " did not exit with status 0");
    return output;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The help of `lib` ends with where the database lies on the machine that
// runs it: a fact of that run, not of the program.
bool describes_this_run(const std::string& line) { return line.starts_with("The database now: "); }

// The texts' paragraphs: runs of lines between empty lines.
std::vector<std::vector<std::string>> paragraphs_of(const std::string& text) {
    std::vector<std::vector<std::string>> paragraphs(1);
    for (const std::string& line : lines_of(text)) {
        if (describes_this_run(line)) continue;
        if (line.empty()) {
            if (!paragraphs.back().empty()) paragraphs.emplace_back();
        } else {
            paragraphs.back().push_back(line);
        }
    }
    if (paragraphs.back().empty()) paragraphs.pop_back();
    return paragraphs;
}

// The usage lines of the main text name the commands: "gjbz108a WORD ..."
// where WORD is a lower-case word, with its subcommands as "WORD a|b|c".
std::vector<Command> commands_of(const std::string& main_help) {
    static const std::regex usage(R"(^(?:Usage:)?\s*gjbz108a ([a-z]+)(?: ([a-z]+(?:\|[a-z]+)+))?(?:\s|$))");
    std::vector<Command> commands;
    const auto paragraphs = paragraphs_of(main_help);
    for (const std::string& line : paragraphs.front()) {
        std::smatch match;
        if (!std::regex_search(line, match, usage)) continue;
        bool known = false;
        for (const Command& command : commands) known = known || command.name == match[1];
        if (known) continue;
        Command command{match[1], {}, {}};
        std::istringstream alternatives(match[2]);
        for (std::string word; std::getline(alternatives, word, '|');) command.subcommands.push_back(word);
        commands.push_back(command);
    }
    return commands;
}

// ---- The man page ----

// A line of text as roff reads it: backslashes and minus signs escaped, and a
// line that would start with a request protected.
std::string roff_line(const std::string& text) {
    std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
    for (char c : text) {
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
    }
    return out;
}

// A paragraph whose lines all start at the margin is prose, filled to the
// reader's width; any other (lists, option tables, usage lines) keeps its
// layout.
void write_paragraphs(std::ostream& out, const std::vector<std::vector<std::string>>& paragraphs) {
    for (const std::vector<std::string>& paragraph : paragraphs) {
        bool prose = true;
        for (const std::string& line : paragraph) prose = prose && line.front() != ' ';
        out << (prose ? ".PP\n" : ".PP\n.nf\n");
        for (const std::string& line : paragraph) out << roff_line(line) << '\n';
        if (!prose) out << ".fi\n";
    }
}

void write_man_page(std::ostream& out, const std::string& version, const std::string& main_help,
                    const std::vector<Command>& commands) {
    out << ".\\\" Made from the help texts of gjbz108a " << version << "; edit those, not this.\n"
        << ".TH GJBZ108A 1 \"\" \"gjbz108a " << version << "\" \"User Commands\"\n"
        << ".SH NAME\ngjbz108a \\- non\\-operating failure rate of electronic parts\n";
    auto paragraphs = paragraphs_of(main_help);
    // The usage lines without their "Usage: " (or its width of blanks).
    out << ".SH SYNOPSIS\n.nf\n";
    for (const std::string& line : paragraphs.front())
        out << roff_line(line.starts_with("Usage: ") || line.starts_with("       ") ? line.substr(7) : line) << '\n';
    out << ".fi\n.SH DESCRIPTION\n";
    paragraphs.erase(paragraphs.begin());
    write_paragraphs(out, paragraphs);

    // Commands that share a text (dialog and edit) share a section.
    std::vector<std::pair<std::string, const std::string*>> sections;
    for (const Command& command : commands) {
        if (command.help.empty()) continue;
        bool shared = false;
        for (auto& [title, help] : sections)
            if (*help == command.help) title += ", gjbz108a " + command.name, shared = true;
        if (!shared) sections.emplace_back("gjbz108a " + command.name, &command.help);
    }
    if (sections.empty()) return;
    out << ".SH COMMANDS\n";
    for (const auto& [title, help] : sections) {
        out << ".SS \"" << roff_line(title) << "\"\n";
        write_paragraphs(out, paragraphs_of(*help));
    }
}

// ---- The bash completion ----

// Every option a text mentions, in the order of first mention, and the values
// written after those that take a listed value. A command's text may mention
// an option of the main command ("gjbz108a --list-fields"), which is not its
// own.
void collect_options(const std::string& text, std::vector<std::string>& options,
                     std::map<std::string, std::string>& values, bool main_command = false) {
    static const std::regex option(R"((?:^|[\s\[|(])(--?[a-z][a-z-]*)(?: ([a-z0-9]+(?:\|[a-z0-9]+)+))?)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1];
        if (name.size() > 2 && name[1] != '-') continue;  // "-rb1" and the like are values, not options
        const auto at = static_cast<std::size_t>(it->position(1));
        if (!main_command && at >= 9 && text.compare(at - 9, 9, "gjbz108a ") == 0) continue;
        bool known = false;
        for (const std::string& o : options) known = known || o == name;
        if (!known) options.push_back(name);
        if ((*it)[2].matched && !values.contains(name)) {
            std::string words = (*it)[2];
            for (char& c : words)
                if (c == '|') c = ' ';
            values[name] = words;
        }
    }
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

void write_completion(std::ostream& out, const std::string& version, const std::string& main_help,
                      const std::vector<Command>& commands) {
    std::map<std::string, std::string> values;
    // The main text's options, but for those of the other commands' usage lines.
    std::string main_text;
    std::set<std::string> names;
    for (const Command& command : commands) names.insert(command.name);
    bool other_command = false;
    for (const std::string& line : lines_of(main_help)) {
        static const std::regex usage(R"(^(?:Usage:)?\s*gjbz108a ([a-z]*))");
        std::smatch match;
        if (std::regex_search(line, match, usage)) other_command = names.contains(match[1]);
        else if (line.empty() || line.front() != ' ') other_command = false;
        if (!other_command) main_text += line + '\n';
    }
    std::vector<std::string> main_options;
    collect_options(main_text, main_options, values, true);

    out << "# bash completion of gjbz108a " << version << ", made from its help texts.\n"
        << "_gjbz108a() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command= words=\n"
        << "    ((COMP_CWORD > 1)) && command=${COMP_WORDS[1]}\n"
        << "    case $prev in\n";
    std::vector<std::vector<std::string>> command_options;
    for (const Command& command : commands) {
        command_options.emplace_back();
        collect_options(command.help.empty() ? main_text : command.help, command_options.back(), values,
                        command.help.empty());
    }
    for (const auto& [option, words] : values)
        out << "        " << option << ") COMPREPLY=($(compgen -W '" << words << "' -- \"$cur\")); return ;;\n";
    out << "    esac\n"
        << "    case $command in\n";
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Command& command = commands[i];
        // Every command takes --help: these texts were read with it.
        collect_options("--help", command_options[i], values);
        out << "        " << command.name << ") words='" << joined(command_options[i]) << "'";
        if (!command.subcommands.empty())
            out << "; ((COMP_CWORD == 2)) && words='" << joined(command.subcommands) << "'";
        out << " ;;\n";
    }
    std::vector<std::string> first_words = main_options;
    for (const Command& command : commands) first_words.push_back(command.name);
    out << "        *) words='" << joined(main_options) << "'; ((COMP_CWORD == 1)) && words='" << joined(first_words)
        << "' ;;\n"
        << "    esac\n"
        << "    # Options where one is begun, commands where one belongs; else files.\n"
        << "    if [[ $cur == -* ]] || ((COMP_CWORD == 1)) || [[ $words != -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "    fi\n"
        << "}\n"
        << "complete -o default -F _gjbz108a gjbz108a\n";
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: help_pages TOOL VERSION MAN_PAGE COMPLETION\n";
        return 2;
    }
    try {
        const std::string tool = argv[1], version = argv[2];
        const std::string main_help = run(tool, "--help");
        std::vector<Command> commands = commands_of(main_help);
        if (commands.empty()) throw std::runtime_error(tool + " --help names no command");
        for (Command& command : commands) {
            command.help = run(tool, command.name + " --help");
            if (command.help == main_help) command.help.clear();
        }
        std::ostringstream man_page, completion;
        write_man_page(man_page, version, main_help, commands);
        write_completion(completion, version, main_help, commands);
        write_file(argv[3], man_page.str());
        write_file(argv[4], completion.str());
    } catch (const std::exception& error) {
        std::cerr << "help_pages: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
