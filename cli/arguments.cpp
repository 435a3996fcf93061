// Reading the command line: the command first, then its files and options in any order.
#include "cli/arguments.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace ninefold::cli {

namespace {

struct NamedCommand {
    const char* name;
    Command command;
};

constexpr NamedCommand kCommands[] = {
    {"solve", Command::Solve}, {"deduce", Command::Deduce},     {"check", Command::Check},
    {"count", Command::Count}, {"generate", Command::Generate}, {"convert", Command::Convert},
    {"rate", Command::Rate},   {"explain", Command::Explain},
};

// The whole text as a number; errc::result_out_of_range for digits beyond what a number
// option holds, errc::invalid_argument for anything else that is not all digits.
std::errc parseNumber(std::string_view text, uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::result_out_of_range && stop == end) {
        return error;
    }
    if (text.empty() || error != std::errc() || stop != end) {
        return std::errc::invalid_argument;
    }
    return std::errc();
}

// "--name value" or "--name=value"; advances i past what it used.
std::optional<std::string> optionValue(const std::vector<std::string>& words, std::size_t& i,
                                       std::string_view name) {
    const std::string_view word = words[i];
    if (word.size() > name.size() && word.substr(0, name.size()) == name &&
        word[name.size()] == '=') {
        return std::string(word.substr(name.size() + 1));
    }
    if (word == name && i + 1 < words.size()) {
        return words[++i];
    }
    return std::nullopt;
}

// A numeric option of the command. Generate takes --count and --seed, count takes --limit;
// a limit of 0 would count nothing, so it starts at 1.
std::string parseCommandOption(const std::vector<std::string>& words, std::size_t& i,
                               Arguments& args) {
    struct NumberOption {
        Command command;
        std::string_view name;
        uint64_t least;
        uint64_t& (*field)(Arguments&);
    };
    static constexpr NumberOption kOptions[] = {
        {Command::Generate, "--count", 0, [](Arguments& a) -> uint64_t& { return a.count; }},
        {Command::Generate, "--seed", 0,
         [](Arguments& a) -> uint64_t& { return a.seed.emplace(); }},
        {Command::Count, "--limit", 1, [](Arguments& a) -> uint64_t& { return a.limit; }},
    };
    const std::string word = words[i];
    for (const NumberOption& option : kOptions) {
        const std::string name(option.name);
        if (args.command != option.command || (word != name && !word.starts_with(name + "="))) {
            continue;
        }
        const std::optional<std::string> value = optionValue(words, i, option.name);
        if (!value) {
            return name + " needs a number";
        }
        uint64_t number = 0;
        const std::errc read = parseNumber(*value, number);
        if (read == std::errc::result_out_of_range) {
            return name + " takes a whole number from " + std::to_string(option.least) + " to " +
                   std::to_string(std::numeric_limits<uint64_t>::max()) + ", not '" + *value + "'";
        }
        if (read != std::errc() || number < option.least) {
            return name + " needs a whole number of " + std::to_string(option.least) +
                   " or more, not '" + *value + "'";
        }
        option.field(args) = number;
        return {};
    }
    return "unknown option '" + word + "'";
}

// The valid names of --level or --symmetry, for the message that refuses another.
std::string validNames(bool level) {
    std::string names;
    const int count = level ? steps::kLevelCount : steps::kSymmetryCount;
    for (int k = 0; k < count; ++k) {
        names += std::string(k == 0 ? "" : ", ") +
                 (level ? steps::LevelName(static_cast<steps::Level>(k))
                        : steps::SymmetryName(static_cast<steps::Symmetry>(k)));
    }
    return names;
}

// "--level NAME" or "--symmetry NAME" of generate; false when the word is neither.
bool parseNameOption(const std::vector<std::string>& words, std::size_t& i, Arguments& args,
                     std::string& error) {
    const std::string& word = words[i];
    const bool level = word == "--level" || word.starts_with("--level=");
    const bool symmetry = word == "--symmetry" || word.starts_with("--symmetry=");
    if (args.command != Command::Generate || (!level && !symmetry)) {
        return false;
    }
    const std::string name = level ? "--level" : "--symmetry";
    const std::optional<std::string> value = optionValue(words, i, name);
    if (!value) {
        error = name + " needs one of: " + validNames(level);
        return true;
    }
    if (level) {
        args.level = steps::LevelFromName(*value);
    } else {
        args.symmetry = steps::SymmetryFromName(*value);
    }
    if (level ? !args.level : !args.symmetry) {
        error = "unknown " + name.substr(2) + " '" + *value + "'; valid: " + validNames(level);
    }
    return true;
}

std::string parseRest(const std::vector<std::string>& words, Arguments& args) {
    bool optionsEnded = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!optionsEnded && (word == "--help" || word == "-h")) {
            args.help = true;
        } else if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word == "--json" && args.command == Command::Explain) {
            args.json = true;
        } else if (std::string error; !optionsEnded && parseNameOption(words, i, args, error)) {
            if (!error.empty()) {
                return error;
            }
        } else if (!optionsEnded && word.size() > 1 && word[0] == '-') {
            if (std::string error = parseCommandOption(words, i, args); !error.empty()) {
                return error;
            }
        } else {
            args.files.push_back(word);
        }
    }
    return {};
}

std::string checkFileCount(const Arguments& args) {
    if (args.command == Command::Generate && !args.files.empty()) {
        return "generate takes no files";
    }
    if (args.command == Command::Generate && args.symmetry && !args.level) {
        return "--symmetry goes with --level";
    }
    if (args.command == Command::Convert && args.files.size() != 2) {
        return "convert needs exactly two files, IN and OUT";
    }
    return {};
}

}  // namespace

const char* CommandName(Command command) {
    for (const NamedCommand& named : kCommands) {
        if (named.command == command) {
            return named.name;
        }
    }
    return "";
}

ParseResult ParseArguments(const std::vector<std::string>& words) {
    ParseResult result;
    Arguments& args = result.arguments;
    if (words.empty()) {
        result.error = "no command given";
        return result;
    }
    if (words[0] == "--help" || words[0] == "-h") {
        args.help = true;
        return result;
    }
    if (words[0] == "--version") {
        args.version = true;
        return result;
    }
    for (const NamedCommand& named : kCommands) {
        if (words[0] == named.name) {
            args.command = named.command;
        }
    }
    if (!args.command) {
        result.error = "unknown command '" + words[0] + "'";
        return result;
    }
    result.error = parseRest(words, args);
    if (result.error.empty() && !args.help) {
        result.error = checkFileCount(args);
    }
    return result;
}

}  // namespace ninefold::cli
