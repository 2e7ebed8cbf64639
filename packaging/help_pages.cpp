// Writes the man page and the bash completion of gjbz108a from the tool's own
// help texts, so that both follow whatever the help says:
//
//   help_pages TOOL VERSION MAN_PAGE COMPLETION
//
// The commands and subcommands are those that `TOOL help --list` names, one a
// line ("change", "lib show"); each one's text is `TOOL help COMMAND`, and the
// tool's own is `TOOL --help`. The options are every "-x" and "--name" that a
// text mentions; an option's values are the alternatives written after it
// ("--format text|csv|json"). Exit status 0 when both files were written.
#include <cstdio>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct Command {
    std::string name;  // "change", "lib show"
    std::string help;
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

// The texts' paragraphs: runs of lines between empty lines.
std::vector<std::vector<std::string>> paragraphs_of(const std::string& text) {
    std::vector<std::vector<std::string>> paragraphs(1);
    for (const std::string& line : lines_of(text)) {
        if (line.empty()) {
            if (!paragraphs.back().empty()) paragraphs.emplace_back();
        } else {
            paragraphs.back().push_back(line);
        }
    }
    if (paragraphs.back().empty()) paragraphs.pop_back();
    return paragraphs;
}

// The first word of a command's name ("lib" of "lib show").
std::string command_word(const std::string& name) { return name.substr(0, name.find(' ')); }

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

    out << ".SH COMMANDS\n";
    for (const Command& command : commands) {
        out << ".SS \"" << roff_line("gjbz108a " + command.name) << "\"\n";
        write_paragraphs(out, paragraphs_of(command.help));
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

// A case pattern of bash that matches `text` as it stands.
std::string quoted(const std::string& text) { return "'" + text + "'"; }

void write_completion(std::ostream& out, const std::string& version, const std::string& main_help,
                      const std::vector<Command>& commands) {
    // The first words, and the subcommands of each.
    std::vector<std::string> first_words;
    std::map<std::string, std::vector<std::string>> subcommands;
    for (const Command& command : commands) {
        const std::string word = command_word(command.name);
        if (word == command.name) first_words.push_back(word);
        else subcommands[word].push_back(command.name.substr(word.size() + 1));
    }
    // The main text's options, but for those of the other commands' usage lines.
    std::string main_text;
    bool other_command = false;
    for (const std::string& line : lines_of(main_help)) {
        static const std::regex usage(R"(^(?:Usage:)?\s*gjbz108a ([a-z]*))");
        std::smatch match;
        if (std::regex_search(line, match, usage))
            other_command = std::find(first_words.begin(), first_words.end(), match[1]) != first_words.end();
        else if (line.empty() || line.front() != ' ')
            other_command = false;
        if (!other_command) main_text += line + '\n';
    }

    // What each command ("" the tool itself) offers, and the values of its options.
    std::vector<std::pair<std::string, std::string>> words;
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> values;
    // A command with subcommands offers those; its text tells their options.
    const auto add = [&](const std::string& name, const std::string& text, std::vector<std::string> offered) {
        std::map<std::string, std::string> option_values;
        if (offered.empty()) collect_options(text, offered, option_values, name.empty());
        // Every command takes --help: these texts were read with it.
        collect_options("--help", offered, option_values);
        words.emplace_back(name, joined(offered));
        values.emplace_back(name, option_values);
    };
    add("", main_text, {});
    for (const Command& command : commands)
        add(command.name, command.help, subcommands.contains(command.name) ? subcommands[command.name]
                                                                           : std::vector<std::string>{});

    out << "# bash completion of gjbz108a " << version << ", made from its help texts.\n"
        << "_gjbz108a() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command= words=\n"
        << "    if ((COMP_CWORD > 1)); then\n"
        << "        case ${COMP_WORDS[1]} in\n"
        << "            " << quoted(first_words.front());
    for (std::size_t i = 1; i < first_words.size(); ++i) out << "|" << quoted(first_words[i]);
    out << ") command=${COMP_WORDS[1]} ;;\n"
        << "        esac\n";
    for (const auto& [word, names] : subcommands)
        out << "        [[ $command == " << quoted(word)
            << " ]] && ((COMP_CWORD > 2)) && command+=\" ${COMP_WORDS[2]}\"\n";
    out << "    fi\n"
        << "    case $command:$prev in\n";
    for (const auto& [name, option_values] : values)
        for (const auto& [option, listed] : option_values)
            out << "        " << quoted(name + ":" + option) << ") COMPREPLY=($(compgen -W '" << listed
                << "' -- \"$cur\")); return ;;\n";
    out << "    esac\n"
        << "    case $command in\n";
    for (const auto& [name, offered] : words)
        if (!name.empty()) out << "        " << quoted(name) << ") words='" << offered << "' ;;\n";
    out << "        *) words='" << words.front().second << "'; ((COMP_CWORD == 1)) && words+=' " << joined(first_words)
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
        std::vector<Command> commands;
        for (const std::string& name : lines_of(run(tool, "help --list")))
            commands.push_back({name, run(tool, "help " + name)});
        if (commands.empty()) throw std::runtime_error(tool + " help --list names no command");
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
